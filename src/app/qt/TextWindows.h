#pragma once

class CDocument;

namespace TextWindows {

// After a text document's whole text was put in place (read again, recovered): its windows
// colour all of it again and list its classes and methods anew, as F3 and F2 do.
void RefreshWholeText(CDocument& doc);

}  // namespace TextWindows
