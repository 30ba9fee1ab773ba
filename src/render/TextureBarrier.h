#pragma once
// The texture barrier of the current context: after it, draws may read
// through a texture what earlier draws wrote into it as a render target
// (GL 4.5, GL_ARB_texture_barrier or GL_NV_texture_barrier).

namespace fg {

class TextureBarrier {
public:
    // Looks at the current context; unavailable() when it has none of them.
    static TextureBarrier ofCurrentContext();

    bool available() const { return m_kind != Kind::None; }
    // Makes every earlier write to the bound textures visible to the next
    // draws. Does nothing when unavailable.
    void operator()() const;

private:
    enum class Kind { None, Core, Nv };
    Kind m_kind = Kind::None;
};

}  // namespace fg
