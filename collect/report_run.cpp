#include "collect/report_run.h"

#include "app/helpers.h"
#include "collect/drive_scan.h"
#include "platform/message_hook.h"
#include "space/overhang.h"
#include "types/type_entry.h"

ReportRun::ReportRun(SelectionFilter filter) : m_filter(std::move(filter)) {}

bool ReportRun::run() {
    bool failed = false;
    platform::setMessageHook(
        [&failed](platform::MessageKind kind, const std::string& title, const std::string& text) {
            failed = failed || kind == platform::MessageKind::Error;
            std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
            return platform::MessageResult::Ok;
        });
    m_stats.clearVariables(nullptr);
    for (const auto& drive : m_filter.drives) {
        m_currentDrive = drive;
        if (drive.empty() || !driveReady(drive.front())) {
            std::fprintf(stderr, "Drive %s is not ready\n", drive.c_str());
            failed = true;
            continue;
        }
        computeClusterSize(m_stats, drive);
        DriveScan(m_stats, *this).scan();
    }
    platform::setMessageHook({});
    return !failed;
}

void ReportRun::doFileTypes() {
    // A run over chosen types lists every chosen type, with no files if none was found.
    if (!m_filter.includeTypes)
        return;
    for (const auto& entry : m_filter.typeEntries())
        m_stats.fileTypes.insertType(extractExtension(entry), 0, true);
}
