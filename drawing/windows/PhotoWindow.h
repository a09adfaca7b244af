#pragma once

#include "document/PhotoChoices.h"

#include <QDialog>
#include <QPageSize>

class PhotoLoader;
class PhotoPicture;
class PhotoStrip;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
struct AppState;

// "Photos": the photos of a photo calendar and how its pages hold them. The page layout; a
// strip of the cover and the twelve months, each with its photo's thumbnail and file name
// (click an empty slot, double-click any, or "Choose..." to choose a photo; "Clear" takes it
// away; drag a slot onto another and their photos change places; "Fill from Folder..." takes
// a folder's photos in name order); the chosen slot's photo large with the part that prints
// marked, where a click or a drag moves the focus point; and the photos that will look soft
// on the paper. The window works on a copy: OK makes the choices the calendar's (marking it
// modified when they differ), Cancel and Escape forget them.
class frmPhotos : public QDialog {
    Q_OBJECT
  public:
    // pageSize: the paper of the printer the print window has chosen.
    frmPhotos(AppState& app, const QPageSize& pageSize, QWidget* parent = nullptr);

    // The choices as they stand in the window.
    const PhotoChoices& choices() const { return choices_; }
    // The slot shown large: 0 the cover, 1 to 12 the months.
    int currentSlot() const;

    void cmdChoose_Click();
    void cmdClear_Click();
    void cmdFill_Click();
    // What a drag of one slot onto another does: their photos change places.
    void swapSlots(int from, int to);
    // The focus point of the current slot's photo, in thousandths.
    void moveFocus(int focusX, int focusY);
    // Waits until the thumbnails and the large picture asked for so far are read (tests).
    bool waitForPictures(int milliseconds);

    QRadioButton* optNoPhotos;
    QRadioButton* optAbove;
    QRadioButton* optFacing;
    PhotoStrip* lstSlots;
    QPushButton* cmdChoose;
    QPushButton* cmdClear;
    QPushButton* cmdFill;
    PhotoPicture* picPhoto;
    QLabel* lblPhoto; // the shown photo's file name and size
    QLabel* lblWarnings;
    QListWidget* lstWarnings;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

  protected:
    void accept() override;

  private:
    void buildControls();
    void layOut();
    void connectControls();
    void layout_Click();
    void slot_Clicked(QListWidgetItem* item);

    // The slot's caption and thumbnail from the choices; the thumbnail is read afresh.
    void showSlot(int slot);
    void showPicture();
    void showFrame();
    void refreshWarnings();
    void thumbnailLoaded(int slot, const QString& path, const QImage& image);
    void pictureLoaded(int slot, const QString& path, const QImage& image);
    // Where the photo dialog starts: the folder of the slot's photo, else of any chosen one.
    QString photoFolder(int slot) const;
    // Puts path in the slot when it is a photo that can be read, else says why not.
    bool takePhoto(int slot, const QString& path);
    void changed();

    AppState& app_;
    QPageSize pageSize_;
    PhotoChoices choices_;
    PhotoLoader* thumbnails_;
    PhotoLoader* pictures_;
};
