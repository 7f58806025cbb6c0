#include "HtmlEditing.h"

namespace HtmlEditing {

std::string AppletTag(std::string_view mainFile, std::string_view lineBreak)
{
    std::string name(mainFile);
    for (std::size_t nAt = 0; (nAt = name.find(".java", nAt)) != std::string::npos; nAt += 6)
        name.replace(nAt, 5, ".class");
    const std::string br(lineBreak);
    return br + "<APPLET CODE=\"" + name + "\" " + br + "\tWIDTH=300" + br + "\tHEIGHT=300>" + br + "Applet " + name +
           br + "</APPLET>" + br;
}

}  // namespace HtmlEditing
