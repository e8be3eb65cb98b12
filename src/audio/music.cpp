#include "audio/music.h"

#include "platform/audio.h"

MediaControl Form1MMControl1, Form2MMControl1;

void musiclayout() {
    Form1MMControl1.FileName = programfile(".\\gimmeall.mid");
    Form1MMControl1.DeviceType = "";
    Form2MMControl1.FileName = programfile(".\\Open.mid");
}

void form2musicsettings() {
    Form2MMControl1.Notify = false;
    Form2MMControl1.Wait = true;
    Form2MMControl1.Shareable = false;
    Form2MMControl1.DeviceType = "Sequencer";
}

void form2musicstart() {
    mcicommand(Form2MMControl1, "Open");
    mcicommand(Form2MMControl1, "play");
}

void form2musicstop() {
    mcicommand(Form2MMControl1, "stop");
}

void form2musicunload() {
    mcicommand(Form2MMControl1, "stop");
    mcicommand(Form2MMControl1, "Close");
}

void form1musicstart() {
    mcicommand(Form1MMControl1, "open");
    mcicommand(Form1MMControl1, "play");
}

void form1musicdone() {
    mcicommand(Form1MMControl1, "close");
    mcicommand(Form1MMControl1, "open");
    mcicommand(Form1MMControl1, "play");
}
