#include "platform/ui/ImageList.h"

#include "platform/vb/VbError.h"

namespace ui {

namespace {

[[noreturn]] void outOfBounds()
{
    throw vb::VbError(35600, QStringLiteral("Index out of bounds"), QStringLiteral("ImageList"));
}

} // namespace

ListImage& ImageListImages::Item(int index)
{
    if (index < 1 || index > Count())
        outOfBounds();
    return m_images[size_t(index - 1)];
}

const ListImage& ImageListImages::Item(int index) const
{
    if (index < 1 || index > Count())
        outOfBounds();
    return m_images[size_t(index - 1)];
}

ListImage& ImageListImages::Add(const QString& Key, const QPixmap& Picture)
{
    const QSize size(m_list.ImageWidth(), m_list.ImageHeight());
    QPixmap picture = Picture;
    if (!picture.isNull() && picture.size() != size)
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.emplace_back(Count() + 1, Key, picture);
    return m_images.back();
}

void ImageList::SetImageWidth(int pixels)
{
    if (m_images.Count() > 0 && pixels != m_width)
        throw vb::VbError(35611, QStringLiteral("Property is read-only if image list contains images"),
                          QStringLiteral("ImageList"));
    m_width = pixels;
}

void ImageList::SetImageHeight(int pixels)
{
    if (m_images.Count() > 0 && pixels != m_height)
        throw vb::VbError(35611, QStringLiteral("Property is read-only if image list contains images"),
                          QStringLiteral("ImageList"));
    m_height = pixels;
}

QIcon ImageList::iconAt(int index) const
{
    if (index < 1 || index > m_images.Count())
        return QIcon();
    return m_images.Item(index).icon();
}

} // namespace ui
