#pragma once

#include "data/onebased.h"

#include <QImage>
#include <QString>

#include <string>

// The six die faces, read from the graphics file that comes with the program.
class DiePictures
{
public:
    static constexpr const char *kFile = "vertoxwn.dat";
    static constexpr qint64 kPictureSize = 1518;
    static constexpr int kFaces = 6;
    static constexpr qint64 kFileSize = kFaces * kPictureSize;
    static constexpr int kSide = 50;

    // Reads the file in folder (the working folder when empty). Returns the text of the error
    // box, or an empty text when all six faces were read.
    std::string load(const QString &folder);

    const QImage &face(int face) const { return m_faces[std::size_t(face)]; }

private:
    OneBased<QImage, kFaces> m_faces;
};
