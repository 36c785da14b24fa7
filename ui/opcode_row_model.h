#pragma once
// The rows of the two opcode lists as a table over bytes kept elsewhere: the main list's
// rows point at the opcode records' texts, the search window's at the captions it found.
// There is no item per row; the view asks only the rows it shows for their texts, which
// are converted from Windows-1251 at that moment.

#include <QAbstractTableModel>
#include <QStringList>
#include <QTreeView>
#include <array>
#include <string>
#include <string_view>
#include <vector>

class OpcodeRowModel : public QAbstractTableModel {
  public:
    static constexpr int kMaxColumns = 4;
    // One row: its columns' bytes, "" for a column it does not have.
    using Row = std::array<std::string_view, kMaxColumns>;

    OpcodeRowModel(const QStringList& headers, QObject* parent);

    // Replaces every row. The bytes must stay where they are until the next change.
    void SetRows(std::vector<Row> rows);
    // Replaces every row by one-column rows that keep their captions here.
    void SetCaptions(std::vector<std::string> captions);

    int Count() const { return static_cast<int>(rows_.size()); }
    // The bytes of a cell ("" outside the table).
    std::string_view Bytes(int row, int column) const;

    // Sorts the rows ascending by one column's bytes (Windows-1251 codes, unsigned);
    // rows with equal texts keep their order. Selection and focus stay on their rows.
    void Sort(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QStringList headers_;
    std::vector<std::string> captions_; // the bytes of SetCaptions' rows
    std::vector<Row> rows_;
};

// A report-style list of opcode rows: no root decoration, whole rows selected, several
// at once, nothing editable.
class OpcodeListView : public QTreeView {
  public:
    explicit OpcodeListView(const QStringList& headers, QWidget* parent = nullptr);

    OpcodeRowModel* Rows() const { return rows_; }

  private:
    OpcodeRowModel* rows_;
};
