// libFuzzer target for the CSV reader. Built with clang by run_fuzzer.sh; any
// broken property aborts. The first byte chooses the separator, the rest is
// the file. Any bytes are read without a crash, as UTF-8; rows read without
// a problem, written again and read again, are the same rows.
#include "core/files/utf8.h"
#include "core/table/csv_reader.h"
#include "core/table/csv_writer.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace defwright;
    if (size < 1)
        return 0;
    const char separator = data[0] % 2 == 0 ? ',' : '\t';
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const CsvText csv = readCsv(bytes, separator);
    check(csv.rows.size() == csv.lines.size());
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        check(row == 0 || csv.lines[row] > csv.lines[row - 1]);
        for (const std::string& field : csv.rows[row])
            check(isValidUtf8(field) && field.find('\r') == std::string::npos);
    }
    if (csv.problem)
        return 0;
    std::string written;
    for (const std::vector<std::string>& row : csv.rows) {
        const std::vector<std::string_view> fields(row.begin(), row.end());
        appendCsvRow(written, fields, separator);
    }
    const CsvText again = readCsvText(written, separator);
    check(!again.problem && again.rows == csv.rows);
    return 0;
}
