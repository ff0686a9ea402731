<mivodvd>
<Preference File>$HOME$/referenceFile.xml</Preference File>
<Working Path>$HOME$/Project_1</Working Path>
<Temp Path>$HOME$/Project_1/temp</Temp Path>
<OutPut Path>$HOME$/Project_1/Output</OutPut Path>
<mivoslideshows>
<slideshow>
<name>Trip</name>
<audio>
</audio>
<cover index>0</cover index>
<pic>
<strOriginalFile>$PHOTO$</strOriginalFile>
<m_strTempFile>$PHOTO$</m_strTempFile>
<MIVO_SETTING>
<WOKRING_PATH/>
<TEMP_PATH>$HOME$/Project_1/temp</TEMP_PATH>
<OUTPUT_PATH>$HOME$/Project_1/Output</OUTPUT_PATH>
<MIVO_EFFECT>
<SINGLE_EFFECT_TIME>3</SINGLE_EFFECT_TIME>
<SINGLE_EFFECT_ID>20</SINGLE_EFFECT_ID>
<SINGLE_EFFECT_INIT_TYPE>0</SINGLE_EFFECT_INIT_TYPE>
<TRANSITIO_EFFECT_TIME>2</TRANSITIO_EFFECT_TIME>
<TRANSITION_EFFECT_SETTING NAME="TRANSITION_EFFECT_ZOOM">
<TRANSITION_EFFECT_ZOOM_PARAM>1</TRANSITION_EFFECT_ZOOM_PARAM>
</TRANSITION_EFFECT_SETTING>
</MIVO_EFFECT>
</MIVO_SETTING>
<General/>
</pic>
</slideshow>
</mivoslideshows>
<mivoMenu/>
</mivodvd>
