// Composes one frame: the fade that leaves afterglow, the turning camera, additive sprites.
#include <GL/gl.h>

#include "colour.h"
#include "frame_geometry.h"
#include "scene_win32.h"

// Darkens the previous image instead of clearing it. Texturing stays on; the texture has no
// alpha, so the quad is black with alpha fadeAlpha.
void fadePreviousImage(const Scene& scene) {
    float w = scene.fadeHalfWidth, h = kFadeQuadHalfHeight;
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glColor4f(0.0f, 0.0f, 0.0f, fadeAlpha(scene.simulation.parameters.fadeLevel));
    glBegin(GL_TRIANGLE_STRIP);
    glVertex3f(-w, -h, 0.0f);
    glVertex3f(w, -h, 0.0f);
    glVertex3f(-w, h, 0.0f);
    glVertex3f(w, h, 0.0f);
    glEnd();
}

void presentFrame(const Scene& scene) {
    glFlush();
    wglSwapLayerBuffers(scene.deviceContext, WGL_SWAP_MAIN_PLANE);
}

namespace {

constexpr GLuint kSpriteList = 1;

// One particle's trail, oldest point first, as camera-facing sprites whose brightness ramps
// up to the newest; the five newest are tapered.
void drawTrail(const Scene& scene, const CameraTurn& camera, const Particle& particle) {
    const int length = int(particle.trail.size());
    float brightness = scene.brightnessStep;
    int index = particle.head;
    for (int j = 0; j < length; ++j) {
        if (++index == length) index = 0;
        const TrailPoint& point = particle.trail[index];
        Rgb colour = hsvToRgb(point.hue, point.saturation, brightness);
        glColor3fv(&colour.red);
        glPushMatrix();
        // The camera's turn moves the positions, never the modelview, so sprites face it.
        glTranslatef(point.x * camera.cosine + point.z * camera.sine, point.y,
                     point.z * camera.cosine - point.x * camera.sine);
        int fromNewest = length - 1 - j;
        if (fromNewest < 5) {
            float scale = trailTaper(fromNewest);
            glScalef(scale, scale, scale);
        }
        glCallList(kSpriteList);
        glPopMatrix();
        brightness += scene.brightnessStep;
    }
}

}  // namespace

void renderFrame(Scene& scene) {
    glLoadIdentity();
    fadePreviousImage(scene);

    CameraTurn camera = advanceCamera(scene.cameraAngle, scene.simulation.parameters.spinSpeed);
    scene.cameraAngle = camera.angle;

    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_BLEND);
    for (Attractor& attractor : scene.simulation.attractors) {
        updateAttractor(scene.simulation, attractor);
        for (Particle& particle : attractor.particles) {
            drawTrail(scene, camera, particle);
            ageTrail(scene.simulation, particle);
        }
    }
    presentFrame(scene);
}

void renderFloorFrame(Scene& scene) {
    glLoadIdentity();
    fadePreviousImage(scene);
    presentFrame(scene);
}
