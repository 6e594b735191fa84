#pragma once

#include <QString>

/// Fills a program folder as a heavy user's looks: a Becky record whose
/// mail folder exists, an address book of 10,000 entries, a full pictograph
/// definition file and 200 phone models.
void writeSampleProgramFolder(const QString &folder);
