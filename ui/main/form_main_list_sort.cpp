// The opcode list's column sort: a header click sorts by the clicked caption's column.
#include <QHeaderView>

#include "ui/application.h"
#include "ui/main/form_main.h"

void TFormMain::connectSort() {
    // Logical indices: the clicked caption's column, wherever the user has dragged it.
    OpListView->header()->setSectionsClickable(true);
    connect(OpListView->header(), &QHeaderView::sectionClicked, this,
            Guarded([this](int column) { OpListViewColumnClick(column); }));
}

void TFormMain::OpListViewColumnClick(int column) {
    SortColumn = column;
    // The rows keep their selection and the focused row; the view keeps its scroll position.
    OpListView->Rows()->Sort(SortColumn);
}
