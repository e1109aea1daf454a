#pragma once
// The texts the instrument session shows, in English and French.

#include "survey/dump/convertdump.h"
#include "survey/link/serialport.h"

#include <QString>

namespace sessionmessages {

// "No response of SONVAR"; when the port itself could not be opened
// (`unopened`), a second line says why.
QString noResponse(DumpLanguage language, const SerialPort *unopened = nullptr);
QString noMeasurements(DumpLanguage language);
QString noDownloadAllowed(DumpLanguage language);
QString transferError(int code, DumpLanguage language);

} // namespace sessionmessages
