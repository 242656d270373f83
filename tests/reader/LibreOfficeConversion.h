// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <string>

// Converts the files in one headless LibreOffice run (one start for many
// files is far cheaper than one each) into outDir, with a user profile of its
// own in profileDir so that no other LibreOffice of the machine interferes.
// The filter is as --convert-to takes it ("fodp", "pdf"). Returns what went
// wrong, or an empty string.
std::string ConvertWithLibreOffice(const QStringList& files, const QString& filter,
                                   const QString& outDir, const QString& profileDir);
