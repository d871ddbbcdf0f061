#pragma once
// The Common Controls ImageList: pictures of one size (16 by 16 pixels unless set
// otherwise before the first is added), numbered from 1, each with a key and a tag.
// Lists and toolbars show them by index; it shows nothing itself.
#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <deque>

namespace ui {

class ListImage {
public:
    ListImage(int index, QString key, QPixmap picture)
        : m_index(index), m_key(std::move(key)), m_picture(std::move(picture)), m_icon(m_picture)
    {
    }
    int Index() const { return m_index; }
    QString Key() const { return m_key; }
    QString Tag() const { return m_tag; }
    void SetTag(const QString& tag) { m_tag = tag; }
    const QPixmap& Picture() const { return m_picture; }
    const QIcon& icon() const { return m_icon; }

private:
    int m_index;
    QString m_key;
    QString m_tag;
    QPixmap m_picture;
    QIcon m_icon;
};

class ImageList;

// The ListImages collection.
class ImageListImages {
public:
    explicit ImageListImages(ImageList& list) : m_list(list) {}
    int Count() const { return int(m_images.size()); }
    // From 1; any other index raises 35600.
    ListImage& Item(int index);
    const ListImage& Item(int index) const;
    ListImage& operator()(int index) { return Item(index); }
    // A picture at the end, brought to the list's size.
    ListImage& Add(const QString& Key, const QPixmap& Picture);
    void Clear() { m_images.clear(); }

private:
    ImageList& m_list;
    std::deque<ListImage> m_images;   // references stay valid as pictures are added
};

class ImageList : public QObject {
    Q_OBJECT
public:
    explicit ImageList(QObject* parent = nullptr) : QObject(parent) {}

    QString Name() const { return objectName(); }
    // Pixels. Changing the size once the list holds pictures raises 35611.
    int ImageWidth() const { return m_width; }
    void SetImageWidth(int pixels);
    int ImageHeight() const { return m_height; }
    void SetImageHeight(int pixels);
    ImageListImages& ListImages() { return m_images; }
    const ImageListImages& ListImages() const { return m_images; }

    // The picture of an index as an icon; a null icon for 0 or an index out of range.
    QIcon iconAt(int index) const;

private:
    int m_width = 16;
    int m_height = 16;
    ImageListImages m_images{*this};
};

} // namespace ui
