// make_help_page: builds the help page Kazerumi.html from its text source.
//
// Usage: make_help_page <source text> <output html>
//
// The source is UTF-8 text with a few line marks (described at the top of
// kazerumi_help.txt). This tool assembles one HTML page from it: the title with the
// anchor "contents" at the very top, the contents list linking to every section,
// then the sections, each ending with a link back to the top. The page uses only the
// HTML and CSS that Qt's rich-text viewer understands.
//
// It refuses to write a page with a broken link, a repeated or malformed section
// name, unbalanced inline marks or text that is not valid UTF-8; the message names
// the source line, so a mistake stops the build instead of reaching the children.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct BuildError {
    int line;
    std::string message;
};

struct Section {
    int level; // 2 for a section, 3 for a smaller section
    std::string id;
    std::string heading; // already converted to HTML
};

struct Link {
    int line;
    std::string target;
};

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false; // cut off at the end
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const unsigned int smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false; // overlong forms and surrogates are not UTF-8
        i += extra + 1;
    }
    return true;
}

bool isValidId(std::string_view id)
{
    if (id.empty() || !((id[0] >= 'a' && id[0] <= 'z') || (id[0] >= 'A' && id[0] <= 'Z')))
        return false;
    for (char c : id) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                        || c == '-' || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

std::string escapeHtml(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Turns one line of source text into HTML: escapes it, then applies the inline
// marks. Every in-page link found is added to links for checking at the end.
class InlineConverter {
public:
    explicit InlineConverter(std::vector<Link> &links) : m_links(links) {}

    std::string convert(std::string_view source, int line)
    {
        const std::string text = escapeHtml(source);
        std::string out;
        std::size_t i = 0;
        while (i < text.size()) {
            if (startsWith(std::string_view(text).substr(i), "[[")) {
                i = wrapUntil(text, i + 2, "]]", "<span class=\"button\">", "</span>", out, line);
            } else if (startsWith(std::string_view(text).substr(i), "{{")) {
                i = wrapUntil(text, i + 2, "}}", "<span class=\"drill\">", "</span>", out, line);
            } else if (startsWith(std::string_view(text).substr(i), "**")) {
                i = wrapUntil(text, i + 2, "**", "<b>", "</b>", out, line);
            } else if (text[i] == '[') {
                i = link(text, i, out, line);
            } else if (startsWith(std::string_view(text).substr(i), "]]")
                       || startsWith(std::string_view(text).substr(i), "}}")) {
                throw BuildError{line, "a closing mark without its opening mark"};
            } else {
                out += text[i++];
            }
        }
        return out;
    }

private:
    std::size_t wrapUntil(const std::string &text, std::size_t from, std::string_view close,
                          std::string_view open, std::string_view end, std::string &out, int line)
    {
        const auto stop = text.find(close, from);
        if (stop == std::string::npos)
            throw BuildError{line, "mark opened but not closed, expected " + std::string(close)};
        const std::string inner = text.substr(from, stop - from);
        if (trim(inner).empty())
            throw BuildError{line, "empty mark"};
        if (inner.find("[[") != std::string::npos || inner.find("{{") != std::string::npos)
            throw BuildError{line, "marks inside marks are not supported"};
        out += open;
        out += inner;
        out += end;
        return stop + close.size();
    }

    // [text](#id)
    std::size_t link(const std::string &text, std::size_t from, std::string &out, int line)
    {
        const auto closeText = text.find("](", from);
        const auto closeLink = closeText == std::string::npos ? std::string::npos : text.find(')', closeText);
        if (closeText == std::string::npos || closeLink == std::string::npos)
            throw BuildError{line, "a '[' that does not start a link [text](#id)"};
        const std::string label = text.substr(from + 1, closeText - from - 1);
        const std::string target = text.substr(closeText + 2, closeLink - closeText - 2);
        if (trim(label).empty())
            throw BuildError{line, "a link without text"};
        if (!startsWith(target, "#") || !isValidId(std::string_view(target).substr(1)))
            throw BuildError{line, "a link must point to a section of this page as #id, got '" + target + "'"};
        m_links.push_back({line, target.substr(1)});
        out += "<a href=\"" + target + "\">" + label + "</a>";
        return closeLink + 1;
    }

    std::vector<Link> &m_links;
};

const char *const kStyle = R"css(
body { background-color: #f4f4ff; color: #1c2366; font-family: "MotoyaLMaru", "Noto Sans CJK JP", sans-serif; font-size: 18px; }
p { margin-top: 6px; margin-bottom: 6px; line-height: 150%; }
li { margin-top: 3px; margin-bottom: 3px; line-height: 140%; }
a[href] { color: #2f5fd0; }
.title { color: #d23c6e; font-size: 32px; font-weight: bold; margin-top: 8px; margin-bottom: 12px; }
.section { color: #ffffff; background-color: #7a86dc; font-size: 25px; font-weight: bold; margin-top: 30px; margin-bottom: 10px; }
.subsection { color: #2e7d5b; font-size: 21px; font-weight: bold; margin-top: 18px; margin-bottom: 6px; }
.button { background-color: #bde8d7; color: #000080; font-weight: bold; }
.drill { background-color: #a6caf0; color: #000080; font-weight: bold; }
.note { background-color: #fff3c4; margin-left: 12px; margin-right: 12px; }
.toc { font-size: 20px; }
.back { font-size: 15px; margin-top: 14px; }
th { background-color: #d0d0ff; }
)css";

class PageBuilder {
public:
    std::string build(const std::string &source)
    {
        if (!isValidUtf8(source))
            throw BuildError{0, "the source is not valid UTF-8"};

        std::istringstream in(source);
        std::string raw;
        int lineNumber = 0;
        while (std::getline(in, raw)) {
            ++lineNumber;
            handleLine(trim(raw), lineNumber);
        }
        closeBlock();
        closeSection();

        if (m_title.empty())
            throw BuildError{0, "the page has no 'title:' line"};
        if (m_sections.empty())
            throw BuildError{0, "the page has no sections"};
        for (const Link &link : m_links) {
            if (!m_ids.count(link.target))
                throw BuildError{link.line, "the link #" + link.target + " has no section with that name"};
        }
        return page();
    }

private:
    enum class Block { None, Paragraph, List, Steps, Table, Note };

    void handleLine(const std::string &line, int number)
    {
        if (startsWith(line, ";;"))
            return;
        if (line.empty()) {
            closeBlock();
            return;
        }
        if (startsWith(line, "title:")) {
            if (!m_title.empty())
                throw BuildError{number, "a second 'title:' line"};
            m_title = m_inline.convert(trim(line.substr(6)), number);
            return;
        }
        if (startsWith(line, "===") || startsWith(line, "==")) {
            const int level = startsWith(line, "===") ? 3 : 2;
            startSection(line.substr(level), level, number);
            return;
        }
        if (startsWith(line, "- ")) {
            openBlock(Block::List, "<ul>\n");
            m_body += "<li>" + m_inline.convert(trim(line.substr(2)), number) + "</li>\n";
            return;
        }
        if (startsWith(line, "+ ")) {
            openBlock(Block::Steps, "<ol>\n");
            m_body += "<li>" + m_inline.convert(trim(line.substr(2)), number) + "</li>\n";
            return;
        }
        if (startsWith(line, "|")) {
            openBlock(Block::Table,
                      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" style=\"border-color: #9aa3d8;\">\n");
            tableRow(line, number);
            return;
        }
        if (startsWith(line, ">")) {
            openBlock(Block::Note, "<p class=\"note\">");
            m_body += m_inline.convert(trim(line.substr(1)), number);
            return;
        }
        openBlock(Block::Paragraph, "<p>");
        m_body += m_inline.convert(line, number);
    }

    void tableRow(const std::string &line, int number)
    {
        const bool heading = startsWith(line, "|!");
        std::string rest = line.substr(heading ? 2 : 1);
        std::vector<std::string> cells;
        std::size_t start = 0;
        while (true) {
            const auto bar = rest.find('|', start);
            cells.push_back(trim(std::string_view(rest).substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
            if (bar == std::string::npos)
                break;
            start = bar + 1;
        }
        if (!cells.empty() && cells.back().empty())
            cells.pop_back(); // a row may end with a bar
        if (m_tableColumns == 0)
            m_tableColumns = cells.size();
        else if (cells.size() != m_tableColumns)
            throw BuildError{number, "this table row has " + std::to_string(cells.size()) + " cells, the table has "
                                         + std::to_string(m_tableColumns)};
        const char *tag = heading ? "th" : "td";
        m_body += "<tr>";
        for (const std::string &cell : cells)
            m_body += std::string("<") + tag + ">" + m_inline.convert(cell, number) + "</" + tag + ">";
        m_body += "</tr>\n";
    }

    void startSection(const std::string &rest, int level, int number)
    {
        const auto bar = rest.find('|');
        if (bar == std::string::npos)
            throw BuildError{number, "a section needs 'id | heading'"};
        const std::string id = trim(std::string_view(rest).substr(0, bar));
        const std::string heading = trim(std::string_view(rest).substr(bar + 1));
        if (!isValidId(id))
            throw BuildError{number, "'" + id + "' is not a section name (letters, digits, - and _, starting with a letter)"};
        if (heading.empty())
            throw BuildError{number, "a section without a heading"};
        if (!m_ids.insert(id).second)
            throw BuildError{number, "the section name '" + id + "' is used twice"};
        if (level == 3 && m_sections.empty())
            throw BuildError{number, "a smaller section before the first section"};

        closeBlock();
        if (m_sections.empty()) {
            // What came before the first section introduces the page; it stands
            // above the contents list.
            m_intro = m_body;
            m_body.clear();
        }
        if (level == 2)
            closeSection();
        const std::string html = m_inline.convert(heading, number);
        m_sections.push_back({level, id, html});
        // Qt's viewer ignores pixel font sizes on h1 to h6, so headings are
        // paragraphs with a class of their own.
        const std::string style = level == 2 ? "section" : "subsection";
        m_body += "<p class=\"" + style + "\"><a name=\"" + id + "\" id=\"" + id + "\">" + html + "</a></p>\n";
        m_inSection = true;
    }

    void closeSection()
    {
        if (m_inSection)
            m_body += "<p class=\"back\"><a href=\"#contents\">▲ もくじに もどる</a></p>\n";
        m_inSection = false;
    }

    void openBlock(Block block, const std::string &openTag)
    {
        if (m_block == block && block != Block::Note)
            return;
        closeBlock();
        m_block = block;
        m_tableColumns = 0;
        m_body += openTag;
    }

    void closeBlock()
    {
        switch (m_block) {
        case Block::None: break;
        case Block::Paragraph: m_body += "</p>\n"; break;
        case Block::Note: m_body += "</p>\n"; break;
        case Block::List: m_body += "</ul>\n"; break;
        case Block::Steps: m_body += "</ol>\n"; break;
        case Block::Table: m_body += "</table>\n"; break;
        }
        m_block = Block::None;
    }

    std::string contentsList() const
    {
        std::string out = "<p class=\"subsection\">もくじ</p>\n<ul class=\"toc\">\n";
        bool openSub = false;
        for (std::size_t i = 0; i < m_sections.size(); ++i) {
            const Section &s = m_sections[i];
            const std::string item = "<a href=\"#" + s.id + "\">" + s.heading + "</a>";
            if (s.level == 2) {
                if (openSub) {
                    out += "</ul></li>\n";
                    openSub = false;
                } else if (i > 0) {
                    out += "</li>\n";
                }
                out += "<li>" + item;
            } else {
                if (!openSub) {
                    out += "\n<ul>\n";
                    openSub = true;
                }
                out += "<li>" + item + "</li>\n";
            }
        }
        out += openSub ? "</ul></li>\n" : "</li>\n";
        out += "</ul>\n";
        return out;
    }

    std::string page() const
    {
        std::string out;
        out += "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n";
        out += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n";
        out += "<title>" + stripTags(m_title) + "</title>\n";
        out += "<style type=\"text/css\">" + std::string(kStyle) + "</style>\n";
        out += "</head>\n<body>\n";
        out += "<p class=\"title\"><a name=\"contents\" id=\"contents\">" + m_title + "</a></p>\n";
        out += m_intro;
        out += contentsList();
        out += m_body;
        out += "</body>\n</html>\n";
        return out;
    }

    static std::string stripTags(const std::string &html)
    {
        std::string out;
        bool inTag = false;
        for (char c : html) {
            if (c == '<')
                inTag = true;
            else if (c == '>')
                inTag = false;
            else if (!inTag)
                out += c;
        }
        return out;
    }

    std::vector<Link> m_links;
    InlineConverter m_inline{m_links};
    std::set<std::string> m_ids{"contents"};
    std::vector<Section> m_sections;
    std::string m_title;
    std::string m_body;
    std::string m_intro;
    Block m_block = Block::None;
    std::size_t m_tableColumns = 0;
    bool m_inSection = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source text> <output html>\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::string html;
    try {
        html = PageBuilder().build(source);
    } catch (const BuildError &error) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], error.line, error.message.c_str());
        return 1;
    }

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << html;
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
