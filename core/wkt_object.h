#pragma once

// The base classes of every object the game's files store.

class tWktStream;

// The root of everything the stream can store: plain persistent objects and lists alike. The
// registry creates instances of it by class number.
class tWktInstance {
public:
    virtual ~tWktInstance() = default;
};

// A plain persistent object; the base stores nothing.
class tWktObject : public tWktInstance {
public:
    virtual void Load(tWktStream& strumien);
    virtual void Store(tWktStream& strumien) const;
};
