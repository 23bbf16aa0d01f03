// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Report;

// A printout that needs no lottery: `lines` numbered lines ("00001)  Sample line") flowing through
// `columns` columns under the standard header titled "Sample Printout". It shows the page model
// on paper.
void setUpSamplePrintout(Report& report, int lines, int columns);
