#pragma once

#include <QIcon>

// The project tree's pictures, 16 pixels square: Java file, main Java file, HTML file, class
// and method, each with its selected form.
namespace TreeImages {

// The picture for an item's image index (its selected form from the next index).
QIcon ItemIcon(int nImage);
// Picture nImage alone (0 to 9).
QPixmap Picture(int nImage);

}  // namespace TreeImages
