// Milliseconds per frame of the renderer on a full-screen window: the whole frame, the fade
// and swap alone (the floor), and the simulation alone; with --alternatives, prototypes of other
// ways to submit the same sprites, to see where a frame's time goes.
//
//   renderer_benchmark [--alternatives]
//
// Prints "key value" lines (frame_ms, floor_ms, ratio, simulation_us, ...) for tools/benchmark.
#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "colour.h"
#include "frame_geometry.h"
#include "scene_window.h"

using harness::SceneWindow;

namespace {

constexpr uint32_t kSeed = 1;
constexpr int kWarmUpFrames = 200;  // past the first reshuffle, trails spread as in a running scene
constexpr int kBlocks = 8;  // short blocks, alternating, so that load from elsewhere falls on both
constexpr int kFramesPerBlock = 40;

double nowMilliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds per frame of each way of drawing, measured in alternating blocks so that any
// drift of the machine falls on all of them alike; the median block of each.
std::vector<double> measure(SceneWindow& view, const std::vector<std::function<void()>>& frames) {
    std::vector<std::vector<double>> blocks(frames.size());
    for (int block = 0; block < kBlocks; ++block)
        for (size_t way = 0; way < frames.size(); ++way) {
            double start = nowMilliseconds();
            for (int frame = 0; frame < kFramesPerBlock; ++frame) {
                frames[way]();
                view.pumpMessages();
            }
            blocks[way].push_back((nowMilliseconds() - start) / kFramesPerBlock);
        }
    std::vector<double> medians;
    for (auto& b : blocks) medians.push_back(median(b));
    return medians;
}

// Microseconds per frame of the simulation alone, on a copy of the running scene's.
double simulationMicroseconds(const Simulation& running) {
    Simulation simulation = running;
    constexpr int kFrames = 2000;
    double start = nowMilliseconds();
    for (int frame = 0; frame < kFrames; ++frame)
        for (Attractor& attractor : simulation.attractors) {
            updateAttractor(simulation, attractor);
            for (Particle& particle : attractor.particles) ageTrail(simulation, particle);
        }
    return (nowMilliseconds() - start) * 1000.0 / kFrames;
}

// ---------------------------------------------------------------------------------------------
// Prototypes, for measurement only. Each steps the scene as renderFrame does (camera turn,
// simulation) and either draws the same picture another way or leaves out part of the work,
// to show what that part costs. comparePictures checks which ones draw the same pixels.

constexpr GLuint kSpriteList = 1;

// Steps the simulation and hands every sprite, oldest point of each trail first, to `sprite`
// with its colour, turned position and scale.
template <typename SpriteFunction>
void stepAndVisit(Scene& scene, SpriteFunction sprite) {
    CameraTurn camera = advanceCamera(scene.cameraAngle, scene.simulation.parameters.spinSpeed);
    scene.cameraAngle = camera.angle;
    for (Attractor& attractor : scene.simulation.attractors) {
        updateAttractor(scene.simulation, attractor);
        for (Particle& particle : attractor.particles) {
            const int length = int(particle.trail.size());
            float brightness = scene.brightnessStep;
            int index = particle.head;
            for (int j = 0; j < length; ++j) {
                if (++index == length) index = 0;
                const TrailPoint& point = particle.trail[index];
                Rgb colour = hsvToRgb(point.hue, point.saturation, brightness);
                sprite(colour, point.x * camera.cosine + point.z * camera.sine, point.y,
                       point.z * camera.cosine - point.x * camera.sine, trailTaper(length - 1 - j));
                brightness += scene.brightnessStep;
            }
            ageTrail(scene.simulation, particle);
        }
    }
}

// renderFrame's sprite calls, one by one.
void faithfulSprite(const Rgb& colour, float x, float y, float z, float scale) {
    glColor3fv(&colour.red);
    glPushMatrix();
    glTranslatef(x, y, z);
    if (scale < 1.0f) glScalef(scale, scale, scale);
    glCallList(kSpriteList);
    glPopMatrix();
}

// The fade with texturing off. The texture has no alpha and the quad is black, so this gives
// the same pixels as the textured fade without a texture lookup for each of them.
void untexturedFade(const Scene& scene) {
    glDisable(GL_TEXTURE_2D);
    fadePreviousImage(scene);
    glEnable(GL_TEXTURE_2D);
}

void untexturedFadeFloorFrame(Scene& scene) {
    glLoadIdentity();
    untexturedFade(scene);
    presentFrame(scene);
}

void untexturedFadeFrame(Scene& scene) {
    glLoadIdentity();
    untexturedFade(scene);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
    stepAndVisit(scene, faithfulSprite);
    presentFrame(scene);
}

// The same GL calls per sprite as renderFrame, but every sprite scaled to nothing: the cost of
// the calls and draws without their pixels.
void callsOnlyFrame(Scene& scene) {
    glLoadIdentity();
    fadePreviousImage(scene);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
    stepAndVisit(scene, [](const Rgb& colour, float x, float y, float z, float) {
        glColor3fv(&colour.red);
        glPushMatrix();
        glTranslatef(x, y, z);
        glScalef(0.0f, 0.0f, 0.0f);
        glCallList(kSpriteList);
        glPopMatrix();
    });
    presentFrame(scene);
}

// renderFrame's draws with fewer calls: the modelview that glTranslatef and glScalef would make
// from the identity, loaded whole, in place of a push, a translation, a scale and a pop.
void loadMatrixFrame(Scene& scene) {
    glLoadIdentity();
    fadePreviousImage(scene);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
    stepAndVisit(scene, [](const Rgb& colour, float x, float y, float z, float scale) {
        const float m[16] = {scale, 0, 0, 0, 0, scale, 0, 0, 0, 0, scale, 0, x, y, z, 1};
        glColor3fv(&colour.red);
        glLoadMatrixf(m);
        glCallList(kSpriteList);
    });
    glLoadIdentity();
    presentFrame(scene);
}

// The swap alone, no fade: what presenting a frame costs.
void swapOnlyFrame(Scene& scene) { presentFrame(scene); }

// As many trivial GL calls as renderFrame makes (about 5.1 a sprite), and nothing drawn: the
// cost of crossing from the program into the GL library.
void bareCallsFrame(Scene& scene) {
    glLoadIdentity();
    fadePreviousImage(scene);
    const float colour[3] = {0, 0, 0};
    stepAndVisit(scene, [&](const Rgb&, float, float, float, float scale) {
        for (int call = scale < 1.0f ? 6 : 5; call > 0; --call) glColor3fv(colour);
    });
    presentFrame(scene);
}

// Every sprite's two triangles worked out here and drawn with one glDrawArrays: a handful of
// GL calls a frame instead of about 24,500.
struct SpriteArrays {
    std::vector<float> positions, texels, colours;
    void reserve(size_t sprites) {
        positions.reserve(sprites * 18);
        texels.reserve(sprites * 12);
        colours.reserve(sprites * 18);
    }
};

// Draws the gathered triangles in one call; `positionComponents` is 3 (scene units) or 4
// (clip coordinates).
void drawSpriteArrays(const SpriteArrays& arrays, int positionComponents) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(positionComponents, GL_FLOAT, 0, arrays.positions.data());
    glTexCoordPointer(2, GL_FLOAT, 0, arrays.texels.data());
    glColorPointer(3, GL_FLOAT, 0, arrays.colours.data());
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(arrays.positions.size() / size_t(positionComponents)));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void arrayFrame(Scene& scene, SpriteArrays& arrays) {
    static const float corners[6][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}};
    static const float texels[6][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
    const float halfSize = float(scene.simulation.parameters.spriteSize) * 0.005f;
    glLoadIdentity();
    fadePreviousImage(scene);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
    arrays.positions.clear();
    arrays.texels.clear();
    arrays.colours.clear();
    stepAndVisit(scene, [&](const Rgb& colour, float x, float y, float z, float scale) {
        float s = halfSize * scale;
        for (int v = 0; v < 6; ++v) {
            arrays.positions.insert(arrays.positions.end(), {x + corners[v][0] * s, y + corners[v][1] * s, z});
            arrays.texels.insert(arrays.texels.end(), {texels[v][0], texels[v][1]});
            arrays.colours.insert(arrays.colours.end(), {colour.red, colour.green, colour.blue});
        }
    });
    drawSpriteArrays(arrays, 3);
    presentFrame(scene);
}

// Every sprite taken to clip coordinates here, with the same arithmetic as the GL library
// (projection times the sprite's modelview, then that matrix times each corner), and drawn
// with one glDrawArrays under identity matrices. `Fused` uses fused multiply-adds for the
// corners, as the library's generated vertex code may.
template <bool Fused>
void clipArrayFrame(Scene& scene, SpriteArrays& arrays) {
    static const float corners[6][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}};
    static const float texels[6][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
    const float s0 = float(scene.simulation.parameters.spriteSize) * 0.005f;
    float p[16];  // column-major
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    glLoadIdentity();
    fadePreviousImage(scene);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
    arrays.positions.clear();
    arrays.texels.clear();
    arrays.colours.clear();
    stepAndVisit(scene, [&](const Rgb& colour, float x, float y, float z, float scale) {
        // The modelview after glTranslatef then glScalef on the identity, column-major.
        const float m[16] = {scale, 0, 0, 0, 0, scale, 0, 0, 0, 0, scale, 0, x, y, z, 1};
        float mvp[16];
        for (int row = 0; row < 4; ++row) {
            const float a0 = p[row], a1 = p[4 + row], a2 = p[8 + row], a3 = p[12 + row];
            for (int col = 0; col < 4; ++col) {
                const float* b = &m[col * 4];
                mvp[col * 4 + row] = a0 * b[0] + a1 * b[1] + a2 * b[2] + a3 * b[3];
            }
        }
        for (int v = 0; v < 6; ++v) {
            const float vx = corners[v][0] * s0, vy = corners[v][1] * s0;
            for (int row = 0; row < 4; ++row) {
                float out;
                if (Fused) {
                    out = mvp[row] * vx;
                    out = std::fma(mvp[4 + row], vy, out);
                    out = std::fma(mvp[8 + row], 0.0f, out);
                    out = std::fma(mvp[12 + row], 1.0f, out);
                } else {
                    out = mvp[row] * vx;
                    out = mvp[4 + row] * vy + out;
                    out = mvp[8 + row] * 0.0f + out;
                    out = mvp[12 + row] * 1.0f + out;
                }
                arrays.positions.push_back(out);
            }
            arrays.texels.insert(arrays.texels.end(), {texels[v][0], texels[v][1]});
            arrays.colours.insert(arrays.colours.end(), {colour.red, colour.green, colour.blue});
        }
    });
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    drawSpriteArrays(arrays, 4);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    presentFrame(scene);
}

// Reads back the presented picture (GDI: what the screen shows).
harness::Picture shownPicture(const SceneWindow& view) {
    return harness::readScreenThroughGdi(view.width(), view.height());
}

// How far each prototype's picture is from renderFrame's, all from the same seed and the same
// number of frames.
void comparePictures(int width, int height) {
    constexpr int kFrames = 150;
    SpriteArrays arrays;
    arrays.reserve(4800 * 2);
    struct Way {
        const char* name;
        std::function<void(Scene&)> frame;
    };
    const Way ways[] = {
        {"renderFrame", [](Scene& scene) { renderFrame(scene); }},
        {"untextured_fade", [](Scene& scene) { untexturedFadeFrame(scene); }},
        {"load_matrix", [](Scene& scene) { loadMatrixFrame(scene); }},
        {"arrays", [&](Scene& scene) { arrayFrame(scene, arrays); }},
        {"clip_arrays", [&](Scene& scene) { clipArrayFrame<false>(scene, arrays); }},
        {"clip_arrays_fused", [&](Scene& scene) { clipArrayFrame<true>(scene, arrays); }},
    };
    harness::Picture reference;
    for (const Way& way : ways) {
        harness::Picture picture;
        {
            SceneWindow view(width, height, kSeed);
            for (int frame = 0; frame < kFrames; ++frame) {
                way.frame(view.scene());
                view.pumpMessages();
            }
            picture = shownPicture(view);
        }
        if (reference.rgb.empty()) {
            reference = picture;
            continue;
        }
        long differing = 0;
        int largest = 0;
        for (size_t i = 0; i < picture.rgb.size(); ++i) {
            int difference = std::abs(int(picture.rgb[i]) - int(reference.rgb[i]));
            if (difference) ++differing;
            largest = std::max(largest, difference);
        }
        std::printf("%s_picture_differing_channels %ld of %zu, largest difference %d\n", way.name, differing,
                    picture.rgb.size(), largest);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool alternatives = argc > 1 && std::strcmp(argv[1], "--alternatives") == 0;
    const int width = harness::screenWidth(), height = harness::screenHeight();
    {
        SceneWindow view(width, height, kSeed);
        if (!view.window()) {
            std::fprintf(stderr, "renderer_benchmark: no window\n");
            return 1;
        }
        Scene& scene = view.scene();
        std::printf("screen %dx%d\n", width, height);
        std::printf("gl_renderer %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
        for (int frame = 0; frame < kWarmUpFrames; ++frame) {
            renderFrame(scene);
            view.pumpMessages();
        }

        std::vector<double> ms = measure(view, {[&] { renderFrame(scene); }, [&] { renderFloorFrame(scene); }});
        std::printf("frame_ms %.3f\n", ms[0]);
        std::printf("floor_ms %.3f\n", ms[1]);
        std::printf("ratio %.3f\n", ms[0] / ms[1]);
        std::printf("simulation_us %.1f\n", simulationMicroseconds(scene.simulation));
        std::fflush(stdout);
        if (!alternatives) return 0;

        SpriteArrays arrays;
        arrays.reserve(4800 * 2);
        struct Prototype {
            const char* name;
            std::function<void()> frame;
        };
        const Prototype prototypes[] = {
            {"again_frame_ms", [&] { renderFrame(scene); }},
            {"again_floor_ms", [&] { renderFloorFrame(scene); }},
            {"swap_only_ms", [&] { swapOnlyFrame(scene); }},
            {"untextured_fade_floor_ms", [&] { untexturedFadeFloorFrame(scene); }},
            {"untextured_fade_frame_ms", [&] { untexturedFadeFrame(scene); }},
            {"load_matrix_frame_ms", [&] { loadMatrixFrame(scene); }},
            {"calls_without_pixels_ms", [&] { callsOnlyFrame(scene); }},
            {"bare_calls_ms", [&] { bareCallsFrame(scene); }},
            {"arrays_frame_ms", [&] { arrayFrame(scene, arrays); }},
            {"clip_arrays_frame_ms", [&] { clipArrayFrame<false>(scene, arrays); }},
        };
        std::vector<std::function<void()>> frames;
        for (const Prototype& prototype : prototypes) frames.push_back(prototype.frame);
        std::vector<double> prototypeMs = measure(view, frames);
        for (size_t i = 0; i < frames.size(); ++i) std::printf("%s %.3f\n", prototypes[i].name, prototypeMs[i]);
        std::fflush(stdout);
    }
    comparePictures(width, height);
    return 0;
}
