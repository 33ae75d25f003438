#include "base/high_contrast.h"

SystemParametersApi& systemParametersApi() {
    static SystemParametersApi api;
    return api;
}

bool highContrastOn() {
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return systemParametersApi().systemParametersInfo(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}
