<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Engine</name>
    <message>
        <source>Capacity: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the free space of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space on %1: the files need %2, only %3 are free. Nothing was copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy of %1 is incomplete: the file changed while it was copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure the PSP is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure the PSP is connected.
And the video folder %1 is not valid.
Please select a valid source folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Display Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Transition Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Image Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Times to All Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All Slideshows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Music Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan/Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan/Zoom/Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from right to left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from left-down to right-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from right-up to left-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from left-up to right-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from right-down to left-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from up to down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pan from down to up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom center in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom left-up in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom right-up in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom left-down in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom right-down in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom center out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom left-up out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom right-up out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom left-down out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom right-down out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom in and rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom out and rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>push</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>window number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accordion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cube fly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a music file Pictavo can play, so it will not be added!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targa image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCX image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WBMP image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enhanced metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG 2000 image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG 2000 codestream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGX image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNM image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGM image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPM image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun raster image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEIC image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEIF image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebP image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the slideshow already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture Pictavo can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have reached the limit of %1 slideshows!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slideshow name is empty or already in use!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot add more pictures than the output disk can hold!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The videos would be over 4000 MB! Please delete some pictures or shorten the display time in Settings!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the last music track; it cannot be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos you add from now on are shown for %1 after a transition of %2. Do you want every photo already in the project to take these times too? Their motions and transitions stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was saved to &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project could not be saved to &apos;%1&apos;: %2. Your changes are kept; save to another folder or free some space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file could not be added: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files could not be added: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 photo could not be found and was left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 photos could not be found and were left out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &apos;%1&apos; could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Pictavo project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: a part every project file has is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is far too large to be a project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough disk space: please choose another drive. %1 MB are needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive %1 needs more than %2 MB of free space. Please delete files you no longer need and try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough disk space: please choose another drive. The videos need %1 MB,
and the drive %2 needs %1 MB!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder holds files that are not this project&apos;s videos, so Pictavo does not empty it.
Please choose another folder or move those files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder &apos;%1&apos; cannot be made or written. Please choose another folder and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow &apos;%1&apos; has no photos. Please add photos to it or delete it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo &apos;%1&apos; of slideshow &apos;%2&apos; cannot be read any more. Please remove it or bring it back and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making the video files failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will shut down in 1 second!
If you do not want it to shut down, press Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will shut down in %1 seconds!
If you do not want it to shut down, press Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer cannot be shut down: the power service cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer cannot be shut down: permission was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project could not be saved, so the computer stays on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Pictavo turns photos and music into slideshow videos for the PSP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project file (.prg) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictavo is already running; its window was brought to the front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictavo is already running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::AboutDialog</name>
    <message>
        <source>About Pictavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow videos of your photos and music for the PlayStation Portable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::CapacityBar</name>
    <message>
        <source>Total: %1MB used:%2MB </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::CompletionDialog</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission accomplished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next step: connect the PSP to your computer with a USB cable, and then click the &quot;Transfer to PSP&quot; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to PSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::EffectPage</name>
    <message>
        <source>Single effect apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to all images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Effect time apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition effect apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition effect time apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an effect on the left to preview it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to selected images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transition effect is selected in the list!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::FileDialogs</name>
    <message>
        <source>Project Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMF and EMF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEIC and WebP files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other picture files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ImageLine</name>
    <message>
        <source>Image line effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Line Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit transition duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize transition effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit image duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete image effect (no Pan/Zoom/Rotate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize image effect (Pan/Zoom/Rotate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index: %1   Image effect: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ImportFolderDialog</name>
    <message>
        <source>Import photos from folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::MainWindow</name>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::MusicList</name>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Duration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::MusicPage</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add music files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the photos&apos; display times to the music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play slideshow preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop slideshow preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every photo now shows for %1: the slideshow lasts %2, as long as the music.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no photos or no music to fit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music is too short: every photo now shows for the shortest time, and the slideshow still lasts longer than the music.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music is too long: every photo now shows for the longest time, and the music is cut at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The music cannot be played (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::OrganizePhotoPage</name>
    <message>
        <source>Add Slideshow: Import Images from Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Slideshow: Add Picture Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Slideshow Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Slideshow Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Picture Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Picture Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Picture Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Picture Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide File Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Duration: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add a slideshow here!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending by Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending by Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending by Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending by Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset image effect (no Pan/Zoom/Rotate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize image effect (Pan/Zoom/Rotate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize transition effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as menu thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation done!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PhotoDetailList</name>
    <message>
        <source>C</source>
        <comment>the locale whose month names the dates show</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMMM dd HH:mm:ss</source>
        <comment>the form of the dates</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PictureAdjustPage</name>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soften</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PictureCanvas</name>
    <message>
        <source>Enter your text here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PictureDecorationPage</name>
    <message>
        <source>Animal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind of picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PictureEditorDialog</name>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the first picture!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the last picture!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changes to this picture?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PictureTextPage</name>
    <message>
        <source>Ordinary Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PictureTransformPage</name>
    <message>
        <source>TV&apos;s Screen Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip upside down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ProducePage</name>
    <message>
        <source>Create Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making Video Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down the computer when the videos are done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 MB free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a destination folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ProfileSettingsList</name>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Frame Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Codec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectCommands</name>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save this project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop making the videos?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectTree</name>
    <message>
        <source>Images: %1
Duration: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All Slideshows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshows: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::ProjectTreePage</name>
    <message>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete this slideshow?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete all slideshows?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::PspFileManagerDialog</name>
    <message>
        <source>Copied 1 file to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 files to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 files: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Files to PSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select video folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected files to PSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected files to computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect PSP connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name files for the PSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP Video Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detection result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsNormalPage</name>
    <message>
        <source>Output Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV&apos;s Screen Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a destination folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::SettingsOptionPage</name>
    <message>
        <source>Loop audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Transition Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Image Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blurred Photo Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the bars beside portrait photos with a blurred copy of the photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade Out Music at the End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fades the music out over the last 3 seconds of each video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Duration:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::StepTabBar</name>
    <message>
        <source>Organize Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produce</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tips file is missing from the program folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trouble reading the tips file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tips file holds no tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::TransitionParameterBox</name>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade to white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade to black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small to big</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big to small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom to top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top to bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fly in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fly out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictavo::TransitionSettingDialog</name>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Alpha Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Accordion Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Blinds Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Circle Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Clock Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Cube Fly Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Diagonal Sweep Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Door Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Flip Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Fly Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Polygon Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Rotate Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Shutter Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Spin Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Sweep Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Twist Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Wipe Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transition Zoom Setting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
