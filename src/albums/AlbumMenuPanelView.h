#pragma once

#include "FThummnailCatagoryPanel.h"

#include <QPointer>
#include <QWidget>


// The background of the album menu in the Photo Albums window; the album tiles lie on it.
class AlbumMenuPanelView : public QWidget
{
    Q_OBJECT
public:
    explicit AlbumMenuPanelView(QWidget *parent = nullptr);

    void SetPanel(FThummnailCatagoryPanel *panel);
    FThummnailCatagoryPanel *Panel() const { return m_panel; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<FThummnailCatagoryPanel> m_panel;
};
