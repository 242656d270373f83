// SPDX-License-Identifier: MIT
#pragma once

// The outline that the note markup is explained by: a blank first line, a
// bullet before the first slide, remarks between bullets, a two-column slide
// with an odd number of bullets, too many dots, and a slide without bullets.
inline constexpr const char* kWorkedExampleNote = "\n"
                                                  "Quarterly review\n"
                                                  "Sales figures Q3\n"
                                                  ".Preview\n"
                                                  "-Agenda\n"
                                                  ".Results\n"
                                                  "..By region\n"
                                                  ".Outlook\n"
                                                  "bring handouts\n"
                                                  "--Pros and cons\n"
                                                  ".Fast\n"
                                                  ".Cheap\n"
                                                  "costs to check\n"
                                                  ".Slow\n"
                                                  ".....Fragile\n"
                                                  ". Late\n"
                                                  "-Thanks\n";
