#include "export/file_api.h"

FileApi& fileApi() {
    static FileApi api;
    return api;
}
