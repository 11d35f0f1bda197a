// tally99-list-bench [ENTRIES [RUNS]]: times saving and loading a file-type list of ENTRIES
// patterns (default 1,000) in the settings file, and the list editor's "Close" with that list,
// offscreen. Each figure is the median of RUNS runs (default 21) in milliseconds, but for the
// first save (which makes the file) and the first load (which asks the class registry for
// every description; later loads find the answers cached). The patterns
// are the registered extensions the extension picker offers, padded with made-up ones, so the
// loads look up real descriptions. The configuration folder is a temporary one, so the user's
// tally98.ini is neither read nor changed.
#include "platform/message_hook.h"
#include "types/stat_list_dialog.h"
#include "types/type_description.h"
#include "types/type_list_store.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

double millisecondsOf(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double medianMilliseconds(int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(millisecondsOf(action));
    std::ranges::sort(times);
    return times[times.size() / 2];
}

std::vector<std::string> patterns(std::size_t count) {
    std::vector<std::string> list = listRegisteredExtensions();
    list.resize(std::min(list.size(), count));
    for (std::size_t k = list.size(); k < count; ++k)
        list.push_back("*.z" + std::to_string(k));
    return list;
}

// The offscreen platform warns at every showing that it cannot pass on size hints; the
// figures are what the bench is for, so that warning is dropped and every other one shown.
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n",
                 qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

bool positiveNumber(const char* text, int& number) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > 1'000'000)
        return false;
    number = static_cast<int>(value);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    int entries = 1000;
    int runs = 21;
    if (argc > 3 || (argc > 1 && !positiveNumber(argv[1], entries)) ||
        (argc > 2 && !positiveNumber(argv[2], runs))) {
        std::fprintf(stderr, "usage: tally99-list-bench [ENTRIES [RUNS]]\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(dropSizeHintWarnings);
    QApplication app(argc, argv);
    QTemporaryDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    bool failed = false;
    platform::setMessageHook(
        [&failed](platform::MessageKind, const std::string&, const std::string& text) {
            std::fprintf(stderr, "%s\n", text.c_str());
            failed = true;
            return platform::MessageResult::Ok;
        });

    const std::vector<std::string> list = patterns(static_cast<std::size_t>(entries));
    std::vector<std::string> loaded;
    // The first save makes the file; the first load asks the registry for every description.
    const double firstSave = millisecondsOf([&] {
        if (!WriteStatFilesToDisk(list, includeSection))
            failed = true;
    });
    const double firstLoad = millisecondsOf([&] { ReadStatFilesFromDisk(loaded, includeSection); });
    const double save = medianMilliseconds(
        runs,
        [&] {
            if (!WriteStatFilesToDisk(list, includeSection))
                failed = true;
        });
    const double load =
        medianMilliseconds(runs, [&] { ReadStatFilesFromDisk(loaded, includeSection); });
    const double editorClose = medianMilliseconds(runs, [] {
        TypeListEditor editor(includeSection);
        editor.show();
        editor.findChild<QPushButton*>(QStringLiteral("btClose"))->click();
    });
    // The editor's figure holds its showing too; this is the showing alone.
    const double editorShow = medianMilliseconds(runs, [] {
        TypeListEditor editor(includeSection);
        editor.show();
    });
    if (failed || loaded.size() != list.size()) {
        std::fprintf(stderr, "the list did not go to the file and back whole\n");
        return 1;
    }

    std::printf("entries                      %d\n", entries);
    std::printf("runs (median of)             %d\n", runs);
    std::printf("save, first (ms)             %.2f\n", firstSave);
    std::printf("save (ms)                    %.2f\n", save);
    std::printf("load, first (ms)             %.2f\n", firstLoad);
    std::printf("load (ms)                    %.2f\n", load);
    std::printf("editor show (ms)             %.2f\n", editorShow);
    std::printf("editor show + Close (ms)     %.2f\n", editorClose);
    return 0;
}
