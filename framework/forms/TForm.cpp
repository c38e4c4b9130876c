#include "TForm.h"

#include "TApplication.h"
#include "TScreen.h"

TPublishedTables TForm::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TForm::ActiveControl, &TForm::SetActiveControl>("ActiveControl"),
      PublishedProperty<&TForm::AutoScroll, &TForm::SetAutoScroll>("AutoScroll"),
      PublishedProperty<&TForm::BorderIcons, &TForm::SetBorderIcons>("BorderIcons"),
      PublishedProperty<&TForm::BorderStyle, &TForm::SetBorderStyle>("BorderStyle"),
      PublishedProperty<&TForm::ClientHeight, &TForm::SetClientHeight>("ClientHeight"),
      PublishedProperty<&TForm::ClientWidth, &TForm::SetClientWidth>("ClientWidth"),
      PublishedProperty<&TForm::FormStyle, &TForm::SetFormStyle>("FormStyle"),
      PublishedProperty<&TForm::KeyPreview, &TForm::SetKeyPreview>("KeyPreview"),
      PublishedProperty<&TForm::Menu, &TForm::SetMenu>("Menu"),
      PublishedProperty<&TForm::OldCreateOrder, &TForm::SetOldCreateOrder>("OldCreateOrder"),
      PublishedProperty<&TForm::PixelsPerInch, &TForm::SetPixelsPerInch>("PixelsPerInch"),
      PublishedProperty<&TForm::Position, &TForm::SetPosition>("Position"),
      PublishedProperty<&TForm::Visible, &TForm::SetVisible>("Visible"),
      PublishedProperty<&TForm::WindowState, &TForm::SetWindowState>("WindowState"),
      PublishedProperty<&TForm::OnActivate>("OnActivate"),
      PublishedProperty<&TForm::OnClose>("OnClose"),
      PublishedProperty<&TForm::OnCloseQuery>("OnCloseQuery"),
      PublishedProperty<&TForm::OnCreate>("OnCreate"),
      PublishedProperty<&TForm::OnDeactivate>("OnDeactivate"),
      PublishedProperty<&TForm::OnDestroy>("OnDestroy"),
      PublishedProperty<&TForm::OnHide>("OnHide"),
      PublishedProperty<&TForm::OnShow>("OnShow"),
  };
  return {properties};
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {
  if (Screen) {
    Screen->AddForm(this);
  }
  if (Application) {
    Application->UpdateTaskbarButton();
  }
}

TForm* AsForm(TComponent* component) { return dynamic_cast<TForm*>(component); }

void BuildForm(TCustomForm& form) { form.Build(); }
