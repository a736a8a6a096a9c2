// The command line and the cells of set: the input is the arguments separated by NUL bytes. Every
// command line is understood or refused with a message of well-formed UTF-8; the operands of set
// that become cells are UTF-8 text, and they are checked as the two-row table set makes of them.

#include "rom/Utf8.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tools/skirmela_moves/CommandLine.h"
#include "tools/skirmela_moves/ImportCheck.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <cstdlib>

using namespace moves;

namespace {

std::vector<std::string> Arguments(std::string_view input) {
    std::vector<std::string> args;
    while (!input.empty()) {
        const std::size_t end = input.find('\0');
        args.emplace_back(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    return args;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CommandLine cl;
    try {
        cl = ParseCommandLine(Arguments({reinterpret_cast<const char*>(data), size}));
    } catch (const UsageError& e) {
        Require(!rom::FindMalformedUtf8(e.what()));
        return 0;
    }
    if (cl.command != Command::set) return 0;
    Require(!rom::FindMalformedUtf8(cl.move) && !cl.assignments.empty());
    CsvRecord header{1, {MoveColumn}}, row{2, {cl.move}};
    for (const FieldAssignment& a : cl.assignments) {
        Require(!a.field.empty() && !rom::FindMalformedUtf8(a.field) && !rom::FindMalformedUtf8(a.value));
        header.cells.push_back(a.field);
        row.cells.push_back(a.value);
    }
    const ImportCheck check = CheckImport({header, row}, DemoView());
    for (const CellError& e : check.errors) {
        Require(!rom::FindMalformedUtf8(DescribeCellError(e)));
        Require(e.column >= 0 && static_cast<std::size_t>(e.column) <= header.cells.size());
    }
    Require(check.errors.empty() || check.changes.empty());
    Require(check.changes.size() <= 1);
    return 0;
}
