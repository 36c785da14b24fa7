#pragma once
// The opcode list's column header. Qt sizes a header from every caption laid out anew in
// bold each time its sections change width, which the stretching columns do with every
// resize of the list; this header keeps each caption's size for as long as what it was
// measured from stays the same.

#include <QFont>
#include <QHeaderView>
#include <QSize>
#include <QString>
#include <vector>

class QTreeView;

class CaptionHeader : public QHeaderView {
  public:
    // Takes the place of the view's own header, with that header's settings.
    static CaptionHeader* Install(QTreeView* view);

  protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void changeEvent(QEvent* event) override;

  private:
    explicit CaptionHeader(QWidget* parent);

    // What Qt measures a caption from, besides the style's own metrics.
    struct Source {
        QString text;
        QFont font;
        bool hasIcon = false;
        bool sortIndicator = false;
        const QStyle* style = nullptr;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool operator==(const Source&) const = default;
    };
    struct Measured {
        Source source;
        QSize size;
    };
    Source SourceOf(int logicalIndex) const;

    mutable std::vector<Measured> measured_; // by logical index; an invalid size: not measured
};
