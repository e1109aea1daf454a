#pragma once
// Survey's own registry key and value.

#include <QString>

class CRegistry;

namespace SurveyRegistry {
inline const QString keyPath = QStringLiteral("HKEY_CURRENT_USER\\Software\\VEK\\Vatro");
inline const QString portValue = QStringLiteral("ComPort");

// "ComPort" of the open key as a port index (0 is COM1); 0 when it cannot be
// read. A value beyond the list is kept (20 opens COM21).
int readPortIndex(CRegistry &registry);
} // namespace SurveyRegistry
