// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHINESE_MAXIMS_H
#define CHINESE_MAXIMS_H

#include "maxim/maxim_catalogue.h"

// The Chinese maxims, as romanised Japanese readings: heading and explanation.
// Translated in the context of their browser, "Maxim_Word".
extern Maxim_Catalogue chinese_maxims;

#endif // CHINESE_MAXIMS_H
