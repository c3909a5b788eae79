#include "scores/score_format.h"

#include "scores/score_table.h"
#include "text/utf8.h"

namespace vexel::scores {

std::string fileContent(std::string_view table)
{
    std::string content;
    content.reserve(table.size() + 4);
    content += '"';
    content += table;
    content += "\"\r\n";
    return content;
}

std::optional<std::string> tableFromContent(std::string_view content)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (content.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        content.remove_prefix(ByteOrderMark.size());
    const std::size_t end = content.find_first_of("\r\n");
    const std::string_view line = content.substr(0, end);
    if (utf8::charCount(line) < 2)
        return std::nullopt;
    return withoutFirstAndLast(line);
}

} // namespace vexel::scores
