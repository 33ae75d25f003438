#include "store/registry_api.h"

RegistryApi& registryApi() {
    static RegistryApi api;
    return api;
}
