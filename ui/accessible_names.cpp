#include "ui/accessible_names.h"

#include <QAccessibleWidget>
#include <QSplitterHandle>

namespace {

QAccessibleInterface* WithOwnRole(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String("QSplitterHandle"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("TFormFind"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void InstallAccessibleRoles() {
    QAccessible::installFactory(WithOwnRole);
}

void NameForScreenReaders(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
    if (!control->statusTip().isEmpty())
        control->setAccessibleDescription(control->statusTip());
}
