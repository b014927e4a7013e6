// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstddef>

#include "app/client_area.h"
#include "app/pixel_rect.h"

namespace reedfall::app {

namespace {

// The labels in the order a reader meets them: the message across the field first, then the
// status labels row by row, each row from left to right, as the eye reads them.
constexpr std::array<LabelId, kLabelCount> ReadingOrder() {
  std::array<LabelId, kLabelCount> order{};
  std::transform(kLabelTable.begin(), kLabelTable.end(), order.begin(),
                 [](const LabelSpec& spec) { return spec.id; });
  std::sort(order.begin(), order.end(), [](LabelId a, LabelId b) {
    const Rect& first = Spec(a).rect;
    const Rect& second = Spec(b).rect;
    return first.top != second.top ? first.top < second.top : first.left < second.left;
  });
  return order;
}
constexpr std::array<LabelId, kLabelCount> kReadingOrder = ReadingOrder();
static_assert(kReadingOrder.front() == LabelId::lblMessage, "the message is read first");

// The client area's children: the field, then the labels in reading order.
constexpr int kFieldChild = 0;
constexpr int kFirstLabelChild = 1;

// One label of the client area. The game paints its labels; a screen reader knows them from
// these objects, which hold nothing but the label's id and read the rest from the view.
class LabelAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  LabelAccessible(ClientArea* client, LabelId id) : client_(client), id_(id), told_(Shown()) {}

  [[nodiscard]] bool isValid() const override { return !client_.isNull(); }
  [[nodiscard]] QObject* object() const override { return nullptr; }
  [[nodiscard]] QWindow* window() const override {
    return isValid() ? client_->window()->windowHandle() : nullptr;
  }
  [[nodiscard]] QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(client_.data());
  }
  [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
    return nullptr;
  }
  [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override {
    return -1;
  }

  // A label's name is its whole text, as the game wrote it; a label that cuts its text at its
  // edges on the screen still has all of it read.
  [[nodiscard]] QString text(QAccessible::Text which) const override {
    return which == QAccessible::Name && isValid() ? QString::fromStdString(Shown().caption)
                                                   : QString();
  }
  void setText(QAccessible::Text /*which*/, const QString& /*text*/) override {}

  [[nodiscard]] QRect rect() const override {
    if (!isValid()) {
      return {};
    }
    // The message label is a little wider than the client area, which cuts it.
    const QRect local = PixelRect(Spec(id_).rect) & client_->rect();
    return {client_->mapToGlobal(local.topLeft()), local.size()};
  }

  // A click on the message label starts the first game: it is a button. The status labels
  // take no clicks.
  [[nodiscard]] QAccessible::Role role() const override {
    return IsMessage() ? QAccessible::Button : QAccessible::StaticText;
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.invisible = !Shown().visible;
    // While a round-end box is open the client area takes no clicks.
    state.disabled = !client_->isEnabled();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && IsMessage()) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }

  // The button's press is a click on the middle of the label, which the game routes as it
  // routes the mouse's.
  [[nodiscard]] QStringList actionNames() const override {
    if (!Pressable()) {
      return {};
    }
    return {pressAction()};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && Pressable()) {
      client_->Press(PixelRect(Spec(id_).rect).center());
    }
  }
  [[nodiscard]] QStringList keyBindingsForAction(const QString& /*name*/) const override {
    return {};
  }

  // Tells what changed since it last told: one event for each change, however many frames
  // were painted in between.
  void TellChanges() {
    const LabelView& now = Shown();
    if (now.caption != told_.caption) {
      QAccessibleEvent renamed(this, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&renamed);
    }
    if (now.visible != told_.visible) {
      QAccessibleEvent shown(this, now.visible ? QAccessible::ObjectShow : QAccessible::ObjectHide);
      QAccessible::updateAccessibility(&shown);
    }
    told_ = now;
  }

 private:
  [[nodiscard]] bool IsMessage() const { return id_ == LabelId::lblMessage; }
  [[nodiscard]] bool Pressable() const {
    return IsMessage() && isValid() && Shown().visible && client_->isEnabled();
  }
  [[nodiscard]] const LabelView& Shown() const { return client_->view().label(id_); }

  QPointer<ClientArea> client_;
  LabelId id_;
  LabelView told_;  // what an assistive technology was last told
};

// The client area: the field's own object, and the labels', which it makes with itself and
// which go with it.
class ClientAreaAccessible final : public QAccessibleWidget {
 public:
  explicit ClientAreaAccessible(ClientArea* client) : QAccessibleWidget(client), client_(client) {
    for (const LabelSpec& spec : kLabelTable) {
      const auto at = static_cast<std::size_t>(spec.id);
      // Qt's cache owns it from here; this object deletes it when it goes itself.
      // NOLINTNEXTLINE(cppcoreguidelines-owning-memory)
      labels_.at(at) = new LabelAccessible(client, spec.id);
      ids_.at(at) = QAccessible::registerAccessibleInterface(labels_.at(at));
    }
  }
  ClientAreaAccessible(const ClientAreaAccessible&) = delete;
  ClientAreaAccessible& operator=(const ClientAreaAccessible&) = delete;
  ClientAreaAccessible(ClientAreaAccessible&&) = delete;
  ClientAreaAccessible& operator=(ClientAreaAccessible&&) = delete;
  // Qt's cache may have deleted the labels' objects already, as it does all of them when the
  // program ends: they go by their ids, which it knows.
  ~ClientAreaAccessible() override {
    for (const QAccessible::Id id : ids_) {
      QAccessible::deleteAccessibleInterface(id);
    }
  }

  [[nodiscard]] int childCount() const override { return kFirstLabelChild + kLabelCount; }

  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    if (index == kFieldChild) {
      return QAccessible::queryAccessibleInterface(client_->field());
    }
    if (index >= kFirstLabelChild && index < childCount()) {
      return Label(kReadingOrder.at(static_cast<std::size_t>(index - kFirstLabelChild)));
    }
    return nullptr;
  }

  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < childCount(); ++index) {
      if (this->child(index) == child) {
        return index;
      }
    }
    return -1;
  }

  // The message label lies on the field, and takes the point before it.
  [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
    for (int index = childCount(); index-- > 0;) {
      QAccessibleInterface* found = child(index);
      if (found != nullptr && !found->state().invisible && found->rect().contains(x, y)) {
        return found;
      }
    }
    return nullptr;
  }

  [[nodiscard]] LabelAccessible* Label(LabelId id) const {
    return labels_.at(static_cast<std::size_t>(id));
  }

 private:
  ClientArea* client_;
  std::array<LabelAccessible*, kLabelCount> labels_{};  // by LabelId
  std::array<QAccessible::Id, kLabelCount> ids_{};
};

QAccessibleInterface* MakeAccessible(const QString& /*className*/, QObject* object) {
  // Owned by Qt's cache of accessible objects, which deletes each with its widget.
  // NOLINTBEGIN(cppcoreguidelines-owning-memory)
  if (auto* client = qobject_cast<ClientArea*>(object)) {
    return new ClientAreaAccessible(client);
  }
  if (auto* field = qobject_cast<PlayField*>(object)) {
    return new QAccessibleWidget(field, QAccessible::Graphic);
  }
  // NOLINTEND(cppcoreguidelines-owning-memory)
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&MakeAccessible);
    return true;
  }();
  (void)installed;
}

void TellLabelChanges(ClientArea& client, std::uint32_t changed) {
  if (changed == 0 || !QAccessible::isActive()) {
    return;
  }
  const auto* area =
      dynamic_cast<ClientAreaAccessible*>(QAccessible::queryAccessibleInterface(&client));
  if (area == nullptr) {
    return;
  }
  for (const LabelSpec& spec : kLabelTable) {
    if ((changed & (1U << static_cast<unsigned>(spec.id))) != 0) {
      area->Label(spec.id)->TellChanges();
    }
  }
}

}  // namespace reedfall::app
