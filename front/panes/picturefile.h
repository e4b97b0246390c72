#ifndef PICTUREFILE_H
#define PICTUREFILE_H

class QPixmap;
class QString;

// A picture saved as a PNG file, whole or not at all.
namespace PictureFile {

// Writes the picture at its own size; false (and an existing file left as it was) when there is no
// picture or no name, or when the file cannot be written completely.
bool savePng(const QPixmap& picture, const QString& fileName, QString* error = nullptr);

} // namespace PictureFile

#endif // PICTUREFILE_H
