#include "platform/ad_library.h"

#include "platform/config_folder.h"

#include <QFileInfo>
#include <QLibrary>

#include <cstdlib>

namespace platform {
namespace {

using AdShowFunction = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                         std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                         std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                         std::intptr_t, std::intptr_t);
using AdCloseFunction = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t);

struct AdLibrary {
    QLibrary library;
    AdShowFunction show = nullptr;
    AdCloseFunction close = nullptr;
    std::vector<AdCall> calls;

    AdLibrary() {
        const char* named = std::getenv("TALLY99_AD_LIBRARY");
        const QString path = named && *named
                                 ? QString::fromLocal8Bit(named)
                                 : QString::fromLocal8Bit(configFilePath("ads.so").c_str());
        if (!QFileInfo::exists(path))
            return;
        library.setFileName(path);
        if (!library.load())
            return;
        show = reinterpret_cast<AdShowFunction>(library.resolve("AdShow"));
        close = reinterpret_cast<AdCloseFunction>(library.resolve("AdClose"));
    }
};

AdLibrary& adLibrary() {
    static AdLibrary instance;
    return instance;
}

} // namespace

void AdShow(const std::array<std::intptr_t, 14>& a) {
    AdLibrary& lib = adLibrary();
    lib.calls.push_back({true, {a.begin(), a.end()}});
    if (lib.show)
        lib.show(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12],
                 a[13]);
}

void AdClose(std::intptr_t a, std::intptr_t b, std::intptr_t c) {
    AdLibrary& lib = adLibrary();
    lib.calls.push_back({false, {a, b, c}});
    if (lib.close)
        lib.close(a, b, c);
}

const std::vector<AdCall>& recordedAdCalls() {
    return adLibrary().calls;
}

void clearRecordedAdCalls() {
    adLibrary().calls.clear();
}

} // namespace platform
