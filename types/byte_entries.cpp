#include "types/byte_entries.h"

#include "types/dialog_frame.h"
#include "ui/pick_list.h"

#include <QByteArray>

namespace {

// Above the roles the pick list uses for itself.
constexpr int bytesRole = Qt::UserRole + 16;

std::string entryBytes(const PickList& list, int index) {
    const QByteArray bytes = list.item(index)->data(bytesRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

int addByteEntry(PickList& list, std::string_view bytes) {
    const int index = list.addItem(toText(bytes));
    list.item(index)->setData(bytesRole,
                              QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return index;
}

std::vector<std::string> byteEntries(const PickList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.count(); ++i)
        lines.push_back(entryBytes(list, i));
    return lines;
}

std::vector<std::string> markedByteEntries(const PickList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.count(); ++i)
        if (list.isMarked(i))
            lines.push_back(entryBytes(list, i));
    return lines;
}
