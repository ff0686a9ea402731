<mivodvd>
<Preference File>$HOME$/referenceFile.xml</Preference File>
<Working Path>$HOME$/Project_1</Working Path>
<Temp Path>$HOME$/Project_1/temp</Temp Path>
<OutPut Path>$HOME$/Project_1/Output</OutPut Path>
<mivoslideshows/>
<mivoMenu/>
</mivodvd>
