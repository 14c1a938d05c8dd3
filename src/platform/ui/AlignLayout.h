#pragma once

#include <QLayout>
#include <QList>
#include <QMargins>

enum class Align { Top, Bottom, Left, Right, Client };

// Docks children to the sides of their parent, the way the program's windows are laid out: each
// top, bottom, left or right child keeps its height or width and takes the whole remaining length
// of that side, in the order added (the first bottom child is the lowest); a client child fills what
// is left. Hidden children take no room. Children not added keep the position they were given.
class AlignLayout : public QLayout {
public:
    explicit AlignLayout(QWidget* parent);
    ~AlignLayout() override;

    // `margins` is the room kept free around the child inside its band.
    void addAligned(QWidget* widget, Align side, QMargins margins = {});

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // The room a control asks for with "with margins".
    static QMargins defaultMargins() { return {3, 3, 3, 3}; }

private:
    struct Entry {
        QLayoutItem* item;
        Align side;
        QMargins margins;
    };
    QList<Entry> m_entries;
};
