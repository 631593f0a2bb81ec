#include "game/diepictures.h"

#include <QDir>
#include <QFile>

std::string DiePictures::load(const QString &folder)
{
    const std::string name = kFile;
    const std::string wrongFile = "Неправильный файл " + name + " !";
    QFile file(folder.isEmpty() ? QString(kFile) : QDir(folder).filePath(kFile));
    if (!file.open(QIODevice::ReadOnly))
        return "Не удается найти или открыть файл " + name + " !";
    if (file.size() != kFileSize)
        return wrongFile;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != kFileSize)
        return wrongFile;

    // Each piece is a whole picture file, decoded straight from memory.
    OneBased<QImage, kFaces> faces;
    for (int f = 1; f <= kFaces; ++f) {
        QImage &image = faces[std::size_t(f)];
        const QByteArray piece = bytes.mid((f - 1) * kPictureSize, kPictureSize);
        if (!image.loadFromData(piece, "BMP") || image.size() != QSize(kSide, kSide))
            return wrongFile;
    }
    m_faces = faces;
    return {};
}
