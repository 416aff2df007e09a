#pragma once

#include "images/TPicture.h"

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;
class PreviewPaintBox;

// The picture open dialog: the file dialog in its non-native form (so it
// looks the same everywhere) with a preview pane on its right that shows the
// selected picture, its size and a button for a full-size view.
//
// The object lives as long as its owner window; the file dialog and the
// preview parts are made once and reused by every RunDialog(). Every error of
// previewing is absorbed: the pane then shows "Picture:" and "(None)".
class TOpenPictureDialog : public QObject {
    Q_OBJECT

  public:
    explicit TOpenPictureDialog(QWidget* owner);
    ~TOpenPictureDialog() override;

    // Shows the dialog modally, in the folder of FileName() when there is
    // one, else in InitialDir(), else in the user's pictures folder; with
    // the filter entry FilterIndex() chosen. True when the user confirmed a
    // file: then FileName() is its full path, FilterIndex() the filter in use
    // and InitialDir() the file's folder, so the next run offers them again.
    // False on cancel or close, leaving all three as they were.
    bool RunDialog();

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& path) { fileName_ = path; }
    // Entries "description|mask|description|mask...", masks joined by ";".
    // CardPictureFilter() is the default.
    QString Filter() const { return filter_; }
    void SetFilter(const QString& filter);
    int FilterIndex() const { return filterIndex_; } // 1-based
    void SetFilterIndex(int index) { filterIndex_ = index; }
    // The folder to start in when FileName() names none; empty at first.
    QString InitialDir() const { return initialDir_; }
    void SetInitialDir(const QString& folder) { initialDir_ = folder; }

    // The card editor's entries: "Bitmaps (*.bmp)|*.bmp", then every common
    // picture kind readable here, as "All pictures (*.bmp *.gif ...)|*.bmp;*.gif;...".
    static QString CardPictureFilter();

    // Loads the preview for `path` as a selection change does.
    void UpdatePreview(const QString& path);
    // Opens the full-size preview of the current preview picture.
    void ShowFullPreview();

    QFileDialog* Dialog() const { return dialog_; }
    const TPicture& PreviewPicture() const { return picture_; }

  private:
    void buildPreviewPane();
    void insertPreviewPane();
    void applyFilter();
    void applyStartingFolder();
    void centreOnOwnersScreen();
    void clearPreview();
    void watchSelectionClearing();
    void typedNameEdited(const QString& text);
    void hideCompletionList();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* owner_;
    QPointer<QFileDialog> dialog_; // a child of the owner window too
    QLineEdit* nameEdit_ = nullptr;
    TPicture picture_;
    QString fileName_;
    QString filter_;
    QStringList qtFilters_;
    int filterIndex_ = 1;
    QString initialDir_;

    QWidget* picturePanel_ = nullptr;
    QLabel* pictureLabel_ = nullptr;
    QToolButton* previewButton_ = nullptr;
    QFrame* paintPanel_ = nullptr;
    PreviewPaintBox* paintBox_ = nullptr;
};
