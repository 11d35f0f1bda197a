#include "collect/report.h"

#include "app/helpers.h"

#include <QDateTime>
#include <QSysInfo>

void Report::stamp(const ReportStamp& stamp) {
    programName = thisProgram;
    programVersion = stamp.programVersion;
    created = stamp.created;
    host = stamp.host;
}

ReportStamp stampNow(const std::string& programVersion) {
    return {programVersion, QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString(),
            QSysInfo::machineHostName().toStdString()};
}

std::string closingStatus(const std::string& opening, const ReportFigures& figures) {
    std::string status = opening + " - " + formatCount(figures.filesFound) + " files processed";
    if (figures.filesSelected != figures.filesFound)
        status += " " + formatCount(figures.filesSelected) + " files found";
    return status;
}
