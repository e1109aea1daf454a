#pragma once
// The texts of the conversion's messages, in English and French.

#include "survey/dump/convertdump.h"

namespace dumpmessages {

// "Can't open file SONVAR.bin" for the image, "... SONVAR.bak" for the
// archive: `fileName` is the file's name without its folder.
DumpMessage cantOpen(DumpProblem problem, const QString &fileName, DumpLanguage language);
DumpMessage cantCreateDocument(DumpLanguage language);
DumpMessage cantWrite(DumpProblem problem, const QString &path, const QString &reason,
                      DumpLanguage language);
DumpMessage outOfMemory(DumpLanguage language);
DumpMessage lengthBeyondImage(int64_t announced, int64_t available, const QString &imageName,
                              bool archived, DumpLanguage language);
DumpMessage crcMismatch(int64_t announced, uint16_t computed);
DumpMessage incompleteLastRecord(DumpLanguage language);

} // namespace dumpmessages
