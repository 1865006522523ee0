#pragma once

#include "bookings/BerthBlocks.h"

#include <QDialog>

struct Services;
class DateBox;
class QComboBox;
class QLineEdit;
class QPushButton;

/// "Block Berth": a berth kept out of use from one day to another (both whole days), with a reason (modal). A block
/// over bookings lists them and is saved only when the person confirms; they keep the berth, to be moved.
class BlockBerthDialog final : public QDialog
{
    Q_OBJECT
public:
    /// loaded: a new block (id 0) with the berth and first day to offer, either unset, or a block as read.
    BlockBerthDialog(Services& services, const BerthBlocks::Block& loaded, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BlockBerthDialog)

    /// Shows it modally; true when the block was saved or removed.
    static bool edit(Services& services, const BerthBlocks::Block& loaded, QWidget* parent);

    QComboBox* cboBlockBerth;
    DateBox* dtpBlockFrom;
    DateBox* dtpBlockTo;
    QLineEdit* txtBlockReason;
    QPushButton* cmdBlockRemove;

private:
    void save();
    void removeBlock();
    void showBlock(const BerthBlocks::Block& block);
    BerthBlocks::Block typed() const;

    Services& m_services;
    BerthBlocks::Block m_loaded;
};
