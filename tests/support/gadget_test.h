// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GADGET_TEST_H
#define GADGET_TEST_H

// What every test of the program's windows uses: the toolkit's test library,
// the clock, a clock under the test's control, its trace lines and its windows.
#include "chime_bank.h"
#include "date_time_screen.h"
#include "fake_clock.h"
#include "output_capture.h"
#include "program_windows.h"

#include <QtTest>
#include <QtWidgets>

#endif // GADGET_TEST_H
