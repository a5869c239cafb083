"""Measures Vyx Player side by side with mpv and VLC: the benchmark's parts, one job a module.

common    the error a step fails with, and progress lines
clips     what is played, where, and the media made for it
display   the X servers the sides draw on, and finding their windows
measures  a program under /usr/bin/time: CPU, peak and unique memory; frames' spacing
logs      the programs' own logs and mpv's IPC: timing lines, mpv's first frame
choices   which video output and decoder a side used, and whether it fell back
gpu       whether this machine has a GPU to measure, without loading GL here
sides     the stage the sides share; mpv, VLC and ffmpeg's decode floor, run and read
vyx       Vyx Player's side: started, opened, played and read as a user would
rounds    the plan turned into steps, run round after round, alternating the sides
report    goals and verdicts, results.md and results.csv"""
