#include "publish/WebDocument.h"

#include "publish/HtmlText.h"

std::string DocumentStart(const std::string& Title, const std::string& StyleHref,
                          const std::string& Rules) {
    return "<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"ru\" xml:lang=\"ru\">\n"
           "<head>\n<meta charset=\"utf-8\"/>\n<title>" +
           XmlEscape(Title) + "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"" +
           XmlEscape(StyleHref) + "\"/>\n" +
           (Rules.empty() ? "" : "<style type=\"text/css\">\n" + Rules + "</style>\n") +
           "</head>\n<body>\n";
}

std::string DocumentEnd() {
    return "</body>\n</html>\n";
}

std::string EditionStyleSheet() {
    return R"(body { margin: 0; padding: 8px; background: #808080; font-family: 'Times New Roman', 'Liberation Serif', serif; }
.plb-nav { margin: 0 0 4px 0; padding: 4px; background: #c0c0c0; font: 14px 'DejaVu Sans', sans-serif; }
.plb-nav a, .plb-nav span { display: inline-block; margin-right: 10px; padding: 2px 8px; border: 1px solid #808080; color: #000000; text-decoration: none; }
.plb-nav span { color: #808080; }
.plb-page { position: relative; box-sizing: border-box; padding: 0; overflow: hidden; font-size: 17px; }
.plb-page p { margin: 0; }
.plb-page sub, .plb-page sup { font-size: 70%; }
.plb-side { box-sizing: border-box; }
.plb-side.plb-left { float: left; }
.plb-side.plb-right { float: right; }
.plb-page img, .plb-page svg, .plb-page video, .plb-page audio { vertical-align: bottom; }
.plb-popup { display: none; position: absolute; box-sizing: border-box; overflow: auto; border: 2px outset #c0c0c0; box-shadow: 3px 3px 6px rgba(0,0,0,0.5); z-index: 10; }
.plb-popup:target { display: block; }
.plb-close { position: absolute; right: 2px; top: 0; font: bold 16px sans-serif; color: #000000; text-decoration: none; }
.plb-contents { background: #ffffff; padding: 12px 24px; max-width: 760px; }
.plb-contents li.plb-sub { font-style: italic; }
)";
}
