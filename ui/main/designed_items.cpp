#include "ui/main/designed_items.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTreeWidget>

#include "ui/main/tree_nodes.h"

namespace {

// The tree as indented lines: each tab is one level.
// clang-format off
constexpr char16_t kDesignedTree[] =
    u"AllOpcodes\n"
    u"\tuseful\n"
    u"\t\tPlayer\n"
    u"\t\tActors\n"
    u"\t\t\tactor_location_checks\n"
    u"\t\t\t\tactor_beside_with_circle\n"
    u"\t\t\t\tactor_beside_with_sphere\n"
    u"\t\t\t\tactor_beside_with_rectangle\n"
    u"\t\t\t\tactor_beside_with_cube\n"
    u"\t\t\t\tactor_beside_and_stopped\n"
    u"\t\t\t\tactor_beside_and_in_car\n"
    u"\t\t\t\tactor_beside_and_on_foot\n"
    u"\t\t\t\tactor_beside_with_actor\n"
    u"\t\t\t\tactor_beside_with_car\n"
    u"\t\t\t\tactor_beside_with_object\n"
    u"\t\t\tactor_AS\n"
    u"\t\tVehicles\n"
    u"\t\t\tCars-and-airs\n"
    u"\t\t\tCars\n"
    u"\t\t\tAirs\n"
    u"\t\t\t\tHelicopters\n"
    u"\t\t\t\tPlanes\n"
    u"\t\t\tBoats\n"
    u"\t\t\tTrains\n"
    u"\t\tObjects\n"
    u"\t\tPickups\n"
    u"\t\t\tpickup_usuals\n"
    u"\t\t\tpickup_cash\n"
    u"\t\t\tpickup_asset\n"
    u"\t\t\tpickup_collect\n"
    u"\t\tScreen\n"
    u"\t\t\tText\n"
    u"\t\t\t\tstatus-text\n"
    u"\t\t\t\tslyled-text\n"
    u"\t\t\t\ttext-draw\n"
    u"\t\t\tHUD\n"
    u"\t\t\t\ttables\n"
    u"\t\t\t\tradar\n"
    u"\t\t\t\tMainHUD\n"
    u"\t\t\ttextures\n"
    u"\t\tany objects\n"
    u"\t\t\tflames\n"
    u"\t\t\tsearchlights\n"
    u"\t\t\tParticles\n"
    u"\t\tFor scripts\n"
    u"\tuseless\n"
    u"\t\tUnsupported\n"
    u"\t\tnop\n"
    u"\t\tUseless_small\n"
    u"Cleo-opcodes\n";
// clang-format on

constexpr const char* kDesignedTypes[] = {
    QT_TRANSLATE_NOOP("TFormMain", "Действия"),
    QT_TRANSLATE_NOOP("TFormMain", "Присваивание свойства"),
    QT_TRANSLATE_NOOP("TFormMain", "Получение свойства"),
    QT_TRANSLATE_NOOP("TFormMain", "Проверки"),
    QT_TRANSLATE_NOOP("TFormMain", "Неподдерживаемые"),
    QT_TRANSLATE_NOOP("TFormMain", "Пустышки"),
    QT_TRANSLATE_NOOP("TFormMain", "Другое"),
};

} // namespace

void AddDesignedTreeItems(QTreeWidget* tree) {
    QList<QTreeWidgetItem*> branch; // branch[d]: the latest node of depth d
    QList<QTreeWidgetItem*> roots;  // built outside the tree, inserted at once
    for (const QString& line : QString::fromUtf16(kDesignedTree).split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype depth = line.lastIndexOf(u'\t') + 1;
        branch.resize(depth);
        auto* item = new CategoryNode(line.mid(depth), 0, 0);
        if (depth == 0)
            roots.append(item);
        else
            branch.last()->addChild(item);
        branch.append(item);
    }
    tree->addTopLevelItems(roots);
}

QListWidgetItem* AddCheckItem(QListWidget* list, const QString& text, bool checked) {
    // Made whole before it joins the list: the list hears of it once.
    auto* item = new QListWidgetItem(text);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    list->addItem(item);
    return item;
}

void AddDesignedTypeItems(QListWidget* list) {
    for (const char* caption : kDesignedTypes)
        AddCheckItem(list, QCoreApplication::translate("TFormMain", caption), false);
}
