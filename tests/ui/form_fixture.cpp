#include "tests/ui/form_fixture.h"

#include <QListWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

std::unique_ptr<TFormMain> FormMainTest::Open(const std::optional<CraftedDb>& db) {
    if (db)
        db->WriteTo(dir);
    cd.emplace(dir.path());
    return std::make_unique<TFormMain>(fake.Services());
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

QStringList Outline(const QTreeWidget* tree) {
    QStringList lines;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            ++depth;
        lines.append(QString(depth, u'\t') + (*it)->text(0) +
                     ((*it)->isExpanded() ? QStringLiteral(" +") : QString()));
    }
    return lines;
}

QString CellText(const OpcodeListView* list, int row, int column) {
    return list->Rows()->index(row, column).data().toString();
}

std::vector<int> SelectedRows(const OpcodeListView* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->Rows()->Count(); ++i)
        if (list->selectionModel()->isRowSelected(i))
            rows.push_back(i);
    return rows;
}

QStringList RowTexts(const OpcodeListView* list) {
    QStringList texts;
    for (int i = 0; i < list->Rows()->Count(); ++i)
        texts.append(CellText(list, i));
    return texts;
}

void SelectRows(OpcodeListView* list, const std::vector<int>& rows) {
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->Rows()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QStringList CheckItems(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append((list->item(i)->checkState() == Qt::Checked ? QStringLiteral("[x] ")
                                                                 : QStringLiteral("[ ] ")) +
                     list->item(i)->text());
    return lines;
}

QString BoxText(const QString& message, const QString& className) {
    return QStringLiteral(u"Произошла неожиданная ошибка \"") + message +
           QStringLiteral(u"\" (Класс ") + className +
           QStringLiteral(u").\r\nЗаписано в log-файл Errors.log");
}

namespace {

std::string EscapeRegex(const std::string& text) {
    std::string escaped;
    for (char ch : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(ch) != std::string_view::npos)
            escaped += '\\';
        escaped += ch;
    }
    return escaped;
}

} // namespace

std::string RecordPattern(const std::string& className, const std::string& loggedMessage) {
    return "[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{1,2}:[0-9]{2}:[0-9]{2}\\. Exception " +
           EscapeRegex(className) + " in module KLV at 0001A2B4\\.\r\n" +
           EscapeRegex(loggedMessage) + "\r\n\r\n";
}
