// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef JAPANESE_MAXIMS_H
#define JAPANESE_MAXIMS_H

#include "maxim/maxim_catalogue.h"

// The Japanese maxims, romanised: a numbered short title and its text.
// Translated in the context of their browser, "Maxim_Word_Ja".
extern Maxim_Catalogue japanese_maxims;

#endif // JAPANESE_MAXIMS_H
