#include "ui/main/caption_header.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QTreeView>

CaptionHeader::CaptionHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

CaptionHeader* CaptionHeader::Install(QTreeView* view) {
    const QHeaderView* own = view->header();
    auto* header = new CaptionHeader(view);
    header->setSectionsMovable(own->sectionsMovable());
    header->setSectionsClickable(own->sectionsClickable());
    header->setStretchLastSection(own->stretchLastSection());
    header->setDefaultAlignment(own->defaultAlignment());
    view->setHeader(header);
    return header;
}

CaptionHeader::Source CaptionHeader::SourceOf(int logicalIndex) const {
    const QAbstractItemModel* captions = model();
    const QVariant font = captions->headerData(logicalIndex, orientation(), Qt::FontRole);
    const QVariant decoration =
        captions->headerData(logicalIndex, orientation(), Qt::DecorationRole);
    QIcon icon = qvariant_cast<QIcon>(decoration);
    if (icon.isNull())
        icon = qvariant_cast<QPixmap>(decoration);
    return {captions->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString(),
            font.isValid() && font.canConvert<QFont>() ? qvariant_cast<QFont>(font) : this->font(),
            !icon.isNull(),
            isSortIndicatorShown(),
            style(),
            layoutDirection()};
}

void CaptionHeader::changeEvent(QEvent* event) {
    // A new style may even stand where the old one stood.
    if (event->type() == QEvent::StyleChange)
        measured_.clear();
    QHeaderView::changeEvent(event);
}

QSize CaptionHeader::sectionSizeFromContents(int logicalIndex) const {
    // A size the model gives is Qt's answer as it stands.
    if (model() == nullptr || logicalIndex < 0 ||
        model()->headerData(logicalIndex, orientation(), Qt::SizeHintRole).isValid())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    const auto index = static_cast<std::size_t>(logicalIndex);
    if (measured_.size() <= index)
        measured_.resize(index + 1);
    Measured& measured = measured_[index];
    Source source = SourceOf(logicalIndex);
    if (!measured.size.isValid() || !(measured.source == source))
        measured = {std::move(source), QHeaderView::sectionSizeFromContents(logicalIndex)};
    return measured.size;
}
