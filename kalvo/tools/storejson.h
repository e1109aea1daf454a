#pragma once
#include <QByteArray>

class TMD;

// The whole store as one JSON object (UTF-8): hardware, surveys with their
// values and every text rendering, keys in a fixed order.
QByteArray storeToJson(const TMD &store);
