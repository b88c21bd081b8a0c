#include "noxsimplelinks/grid/clsGridExport.h"

#include <xlsxwriter.h>

#include <cmath>
#include <fstream>
#include <utility>

#include "automation/Text.h"
#include "automation/VariantText.h"
#include "noxsimplelinks/env/modRegional.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/LocaleDates.h"

namespace noxsimplelinks {

using automation::AutomationError;
using automation::Variant;

namespace {

// ColDataType values whose cells are numbers.
constexpr int32_t kNumberTypes[] = {2, 3, 4, 5, 6, 14, 20};
constexpr double kTwipsPerCharacter = 120;
// Workbooks count dates from 1900; earlier dates are written as the grid shows them.
constexpr int kFirstWorkbookYear = 1900;

bool IsNumberType(int32_t dataType) {
    for (int32_t type : kNumberTypes)
        if (type == dataType) return true;
    return false;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void AppendRecord(std::string& csv, const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) csv += (c ? "," : "") + CsvField(cells[c]);
    csv += "\r\n";
}

[[noreturn]] void CannotWrite(const std::string& path, const std::string& why) {
    throw AutomationError(automation::errors::kPathNotFound, "The grid cannot be written to " + path + ": " + why);
}

// The workbook, closed (and so written) when it goes out of scope unless Close already did.
class Workbook {
public:
    explicit Workbook(const std::string& path) : path_(path), book_(workbook_new(path.c_str())) {
        if (!book_) CannotWrite(path, "the workbook cannot be made");
        sheet_ = workbook_add_worksheet(book_, nullptr);
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        date_ = workbook_add_format(book_);
        format_set_num_format(date_, "yyyy-mm-dd");
    }
    ~Workbook() {
        if (book_) workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    void Label(lxw_row_t row, lxw_col_t col, const std::string& text) {
        worksheet_write_string(sheet_, row, col, text.c_str(), bold_);
    }
    void Cell(lxw_row_t row, lxw_col_t col, const std::string& text, int32_t dataType) {
        if (text.empty()) return;
        if (IsNumberType(dataType)) {
            if (auto number = automation::ParseNumber(modRegional::NumberToServer(text)); number && std::isfinite(*number))
                return void(worksheet_write_number(sheet_, row, col, *number, nullptr));
        } else if (dataType == clsGrid::kDateType) {
            const auto date = platform::LocaleDates::ReadShownDate(text);
            const automation::DateParts p = automation::SplitDate(date.value_or(automation::Date{}));
            if (date && p.year >= kFirstWorkbookYear) {
                lxw_datetime when{p.year, p.month, p.day, p.hour, p.minute, static_cast<double>(p.second)};
                return void(worksheet_write_datetime(sheet_, row, col, &when, date_));
            }
        }
        worksheet_write_string(sheet_, row, col, text.c_str(), nullptr);
    }
    void Width(lxw_col_t col, int32_t twips) { worksheet_set_column(sheet_, col, col, twips / kTwipsPerCharacter, nullptr); }
    void Close() {
        const lxw_error result = workbook_close(std::exchange(book_, nullptr));
        if (result != LXW_NO_ERROR) CannotWrite(path_, lxw_strerror(result));
    }

private:
    std::string path_;
    lxw_workbook* book_;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* date_ = nullptr;
};

}  // namespace

const automation::MemberTable<clsGridExport>& clsGridExport::Members() {
    static const automation::MemberTable<clsGridExport> table = [] {
        automation::MemberTable<clsGridExport> t;
        t.Method("ExportGrid", &clsGridExport::ExportGrid)
            .Method("ExportCsv", &clsGridExport::ExportCsv)
            .Method("ExportXlsx", &clsGridExport::ExportXlsx);
        return t;
    }();
    return table;
}

void clsGridExport::ExportGrid(const Variant& grid, const std::string& path) {
    const std::string name = automation::Lower(path);
    if (name.ends_with(".csv")) return ExportCsv(grid, path);
    if (name.ends_with(".xlsx")) return ExportXlsx(grid, path);
    throw AutomationError(automation::errors::kInvalidProcedureCall,
                          "A grid is exported to a file named .csv or .xlsx, not " + path);
}

std::string clsGridExport::CsvText(const platform::VisibleGrid& grid) {
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& row : grid.head) AppendRecord(csv, row);
    for (const auto& row : grid.body) AppendRecord(csv, row);
    return csv;
}

void clsGridExport::ExportCsv(const Variant& grid, const std::string& path) {
    const std::string csv = CsvText(platform::VisibleGrid::Read(grid));
    std::ofstream file(path, std::ios::binary);
    file << csv;
    file.close();
    if (!file) CannotWrite(path, "the file cannot be written");
}

void clsGridExport::ExportXlsx(const Variant& grid, const std::string& path) {
    const platform::VisibleGrid visible = platform::VisibleGrid::Read(grid);
    Workbook book(path);
    lxw_row_t row = 0;
    for (const auto& labels : visible.head) {
        for (size_t c = 0; c < labels.size(); ++c) book.Label(row, static_cast<lxw_col_t>(c), labels[c]);
        ++row;
    }
    for (const auto& cells : visible.body) {
        for (size_t c = 0; c < cells.size(); ++c)
            book.Cell(row, static_cast<lxw_col_t>(c), cells[c], visible.columns[c].dataType);
        ++row;
    }
    for (size_t c = 0; c < visible.columns.size(); ++c) book.Width(static_cast<lxw_col_t>(c), visible.columns[c].width);
    book.Close();
}

}  // namespace noxsimplelinks
