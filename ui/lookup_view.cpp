#include "ui/lookup_view.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeWidgetItem>
#include <vector>

#include "opcodes/opcode_lookup.h"
#include "ui/main/form_main.h"
#include "ui/main/tree_nodes.h"
#include "ui/opcode_rows.h"

namespace {

void BringToFront(TFormMain& window) {
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

QString NotListed(const LookupQuery& query, const QString& what) {
    if (query.kind == LookupQuery::Kind::Number)
        return QCoreApplication::translate("LookupView",
                                           "Опкод %1 не показан ни в одной категории.")
            .arg(QString::fromStdString(OpcodeKey(query.number)));
    return QCoreApplication::translate("LookupView", "Ни в одной категории нет опкода с «%1».")
        .arg(what);
}

} // namespace

void ShowLookup(TFormMain& window, const QString& what) {
    const LookupParse parse = ParseLookup(what.toStdString());
    const TOpcodesList* opcodes = window.OpcodeList();
    BringToFront(window);
    if (!parse.query)
        return;
    const std::vector<QTreeWidgetItem*> nodes = window.TreeNodes();
    std::vector<const TNodedata*> categories;
    categories.reserve(nodes.size());
    for (const QTreeWidgetItem* node : nodes)
        categories.push_back(NodeData(node));
    const std::optional<LookupHit> hit =
        opcodes == nullptr
            ? std::nullopt
            : FindFirstListed(categories, *opcodes, window.TickedTypes(), *parse.query);
    if (!hit) {
        window.StatusPanel(0)->setText(NotListed(*parse.query, what));
        return;
    }
    window.ChooseCategory(nodes[hit->category]);
    OpcodeRows rows(window.OpList());
    rows.SelectFocusScroll(hit->row);
    window.OpList()->setFocus(Qt::OtherFocusReason);
}
