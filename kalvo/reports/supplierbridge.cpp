#include "kalvo/reports/supplierbridge.h"

#include "kalvo/reports/owner.h"

SupplierRecord supplierRecord(const DataOwner *owner) {
    if (!owner)
        return {};
    return {owner->owner(), owner->address(), owner->zipCode(), owner->city(),   owner->country(),
            owner->tel(),   owner->fax(),     owner->email(),   owner->webSite()};
}
