#include "platform/ad_library.h"

#include "platform/ad_library_file.h"
#include "platform/regular_file.h"

#include <QFileInfo>
#include <QLibrary>

#include <string>
#include <string_view>
#include <utility>

namespace platform {
namespace {

using AdShowFunction = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                         std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                         std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                         std::intptr_t, std::intptr_t);
using AdCloseFunction = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t);

constexpr std::string_view emptyPanel = "the advertisement panel stays empty";

struct AdLibrary {
    QLibrary library;
    AdShowFunction show = nullptr;
    AdCloseFunction close = nullptr;
    std::vector<AdCall> calls;

    AdLibrary() {
        std::string path = namedAdLibrary();
        // No library where the installation keeps it is the usual case, not a fault; a file
        // named on purpose that is not there is one.
        if (path.empty()) {
            path = installedAdLibrary(runningProgramFolder());
            if (!QFileInfo::exists(QString::fromLocal8Bit(path.c_str())))
                return;
        }
        if (const std::string refusal = adLibraryRefusal(path); !refusal.empty()) {
            reportIgnoredFile(path, refusal, emptyPanel);
            return;
        }
        library.setFileName(QString::fromLocal8Bit(path.c_str()));
        if (!library.load()) {
            reportIgnoredFile(path, "cannot be loaded: " + library.errorString().toStdString(),
                              emptyPanel);
            return;
        }
        show = reinterpret_cast<AdShowFunction>(library.resolve("AdShow"));
        close = reinterpret_cast<AdCloseFunction>(library.resolve("AdClose"));
        if (show == nullptr || close == nullptr) {
            show = nullptr;
            close = nullptr;
            reportIgnoredFile(path, "does not export AdShow and AdClose", emptyPanel);
        }
    }

    void record(AdCall call) {
        if (calls.size() >= recordedAdCallLimit)
            calls.erase(calls.begin());
        calls.push_back(std::move(call));
    }
};

AdLibrary& adLibrary() {
    static AdLibrary instance;
    return instance;
}

} // namespace

void AdShow(const std::array<std::intptr_t, 14>& a) {
    AdLibrary& lib = adLibrary();
    lib.record({true, {a.begin(), a.end()}});
    if (lib.show)
        lib.show(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12],
                 a[13]);
}

void AdClose(std::intptr_t a, std::intptr_t b, std::intptr_t c) {
    AdLibrary& lib = adLibrary();
    lib.record({false, {a, b, c}});
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
