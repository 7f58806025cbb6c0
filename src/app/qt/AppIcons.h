#pragma once

#include <QIcon>

struct CCommandIcon;

// The program's pictures: from the desktop's icon theme where it has them, else drawn here,
// so they look right on a bare machine too.
namespace AppIcons {

enum DocumentKind { kJavaSource, kProject, kHtmlPage };

QIcon DocumentIcon(DocumentKind kind);

// The picture beside "Did you know..." in the Tip of the Day.
QPixmap TipPicture();

// The product's picture in the About box.
QPixmap ProductPicture();

// A toolbar button's picture: the desktop theme's, else the one drawn here that the command
// table names.
QIcon CommandIcon(const CCommandIcon& icon);

}  // namespace AppIcons
