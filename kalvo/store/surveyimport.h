#pragma once
#include <QString>

class TMD;

// Reads a survey document into `store`, which is emptied first. `noBase` says
// that the document has no base-measurement lines (.txt documents). Throws
// ImportFailure; surveys read before the failing one stay in the store.
void importSurveyDocumentInto(TMD &store, const QString &fileName, bool noBase);
