#pragma once

#include "AlbumMenuBackground.h"

#include <QPointer>
#include <QWidget>


// The background of the album menu in the Photo Albums window; the album tiles lie on it.
class AlbumMenuPanelView : public QWidget
{
    Q_OBJECT
public:
    explicit AlbumMenuPanelView(QWidget *parent = nullptr);

    void setPanel(AlbumMenuBackground *panel);
    AlbumMenuBackground *panel() const { return m_panel; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<AlbumMenuBackground> m_panel;
};
