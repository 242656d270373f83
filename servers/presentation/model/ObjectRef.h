// SPDX-License-Identifier: MIT
#pragma once

#include "Variant.h"

#include <utility>

// One counted reference to an object of the model, typed so that parents
// can reach their children's own operations. The model's objects hold
// references only downwards (a parent on its children), never back up, so
// no cycle can keep a tree alive.
template <class TObject> class CObjectRef
{
public:
    CObjectRef() noexcept = default;
    CObjectRef(const CObjectRef& other) noexcept : m_object(other.m_object)
    {
        if (m_object != nullptr)
            m_object->AddRef();
    }
    CObjectRef(CObjectRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    CObjectRef& operator=(CObjectRef other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~CObjectRef() { Reset(); }

    // Takes over the reference a new object starts with.
    static CObjectRef Adopt(TObject* object) noexcept
    {
        CObjectRef ref;
        ref.m_object = object;
        return ref;
    }

    // Another reference to an object that is held already.
    static CObjectRef Share(TObject* object) noexcept
    {
        object->AddRef();
        return Adopt(object);
    }

    TObject* Get() const noexcept { return m_object; }
    TObject* operator->() const noexcept { return m_object; }
    TObject& operator*() const noexcept { return *m_object; }

    // A new reference for a caller, as an automation result carries it.
    CVariant NewReference() const noexcept
    {
        m_object->AddRef();
        return CVariant::TakeDispatch(m_object);
    }

    // This reference, handed over to an automation result.
    CVariant HandOver() && noexcept
    {
        return CVariant::TakeDispatch(std::exchange(m_object, nullptr));
    }

    void Reset() noexcept
    {
        if (TObject* object = std::exchange(m_object, nullptr))
            object->Release();
    }

private:
    TObject* m_object = nullptr;
};

template <class TObject, class... TArgs> CObjectRef<TObject> MakeObject(TArgs&&... args)
{
    return CObjectRef<TObject>::Adopt(new TObject(std::forward<TArgs>(args)...));
}
