#include "survey/ui/surveyregistry.h"

#include "survey/ui/cregistry.h"

#include <limits>

int SurveyRegistry::readPortIndex(CRegistry &registry) {
    uint32_t stored = 0;
    if (!registry.ReadDword(portValue, stored))
        return 0;
    // The Windows program took the DWORD into an int; a value that no port
    // name can carry is read as COM1 rather than as a negative index.
    return stored > uint32_t(std::numeric_limits<int>::max() - 1) ? 0 : int(stored);
}
