#version 3.5;

background{ rgb <150/255,150/255,150/255> }


global_settings{
	adc_bailout 0.0039
	ambient_light rgb <255/255,255/255,255/255>
	assumed_gamma 2.200
	hf_gray_16 0
	irid_wavelength rgb <68/255,46/255,36/255>
	max_intersections 64
	max_trace_level 10
	number_of_waves 10
}

//camera [A]
#declare camera_a=camera{
	orthographic
	location < 0.000, 10.000, 0.000 >
	look_at < 0.000, 0.000, 0.000 >
}

//camera [B]
#declare camera_b=camera{
	location < 0.000, 5.000, -20.000 >
	angle 40.000
	look_at < 0.000, 0.000, 0.000 >
}

//camera [C]
#declare camera_c=camera{
	orthographic
	location < 0.000, 0.000, -10.000 >
	look_at < 0.000, 0.000, 0.000 >
}

//camera [D]
#declare camera_d=camera{
	orthographic
	location < 10.000, 0.000, 0.000 >
	look_at < 0.000, 0.000, 0.000 >
}

camera{ camera_b }

sphere{ <0.000, 0.000, 0.000> , 200.000
	pigment { image_map { hdr concat("sky ",chr(34),"1",chr(34),".hdr") once interpolate 2 map_type 1 } }
	finish  { ambient<0.200, 0.200, 0.200> diffuse 0.000 }
	hollow
}
